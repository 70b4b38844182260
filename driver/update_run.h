#ifndef KORVANE_DRIVER_UPDATE_RUN_H_
#define KORVANE_DRIVER_UPDATE_RUN_H_

/// The name of the update log, in the working folder.
extern const char kUpdateLogName[];

/// Runs the whole update: makes |folder| (null when none was given) the
/// working folder, writes the update log there and runs the pass on
/// "LOTD.ini", then on "Engine.int". Returns the exit status: 0 when both
/// files were processed, 1 when the run stopped early.
int RunUpdate(const char* folder);

#endif  // KORVANE_DRIVER_UPDATE_RUN_H_
