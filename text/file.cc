#include "text/file.h"

#include "text/file_sys.h"

bool FileOpenForReading(const char* path, FileHandle* file) {
  return SysOpenForReading(path, file);
}

bool FileOpenForWriting(const char* path, FileHandle* file) {
  return SysOpenForWriting(path, file);
}

long FileRead(FileHandle file, char* buf, size_t size) {
  return SysRead(file, buf, size);
}

bool FileWrite(FileHandle file, const char* data, size_t size) {
  return SysWrite(file, data, size);
}

bool FileSync(FileHandle file) { return SysSync(file); }

bool FileClose(FileHandle file) { return SysClose(file); }
