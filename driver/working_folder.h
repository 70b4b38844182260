#ifndef KORVANE_DRIVER_WORKING_FOLDER_H_
#define KORVANE_DRIVER_WORKING_FOLDER_H_

/// Makes |folder| the process's working folder, against which every file
/// name of the run is resolved. Returns false when it can't.
bool SetWorkingFolder(const char* folder);

#endif  // KORVANE_DRIVER_WORKING_FOLDER_H_
