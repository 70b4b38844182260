#ifndef KORVANE_TEXT_FILE_SYS_H_
#define KORVANE_TEXT_FILE_SYS_H_

#include "text/file.h"

// The platform's own file calls, one file per platform (file_posix.cc,
// file_win32.cc). Each has the contract of its File* counterpart in file.h,
// which forwards to it (file.cc) or, in the tests, may fail it on purpose
// (file_fault.cc).

bool SysOpenForReading(const char* path, FileHandle* file);
bool SysOpenForWriting(const char* path, FileHandle* file);
long SysRead(FileHandle file, char* buf, size_t size);
bool SysWrite(FileHandle file, const char* data, size_t size);
bool SysSync(FileHandle file);
bool SysClose(FileHandle file);

#endif  // KORVANE_TEXT_FILE_SYS_H_
