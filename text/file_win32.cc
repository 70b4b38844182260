#include <windows.h>

#include "text/file_sys.h"

static HANDLE AsHandle(FileHandle file) {
  return reinterpret_cast<HANDLE>(file);
}

bool SysOpenForReading(const char* path, FileHandle* file) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  if (h == INVALID_HANDLE_VALUE)
    return false;
  *file = reinterpret_cast<FileHandle>(h);
  return true;
}

bool SysOpenForWriting(const char* path, FileHandle* file) {
  // OPEN_ALWAYS and SetEndOfFile rather than CREATE_ALWAYS, which refuses
  // hidden and system files. A read-only file or a folder does not open.
  HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (h == INVALID_HANDLE_VALUE)
    return false;
  if (!SetEndOfFile(h)) {
    CloseHandle(h);
    return false;
  }
  *file = reinterpret_cast<FileHandle>(h);
  return true;
}

long SysRead(FileHandle file, char* buf, size_t size) {
  DWORD n = 0;
  if (!ReadFile(AsHandle(file), buf, static_cast<DWORD>(size), &n, NULL))
    return -1;
  return static_cast<long>(n);
}

bool SysWrite(FileHandle file, const char* data, size_t size) {
  while (size > 0) {
    DWORD n = 0;
    if (!WriteFile(AsHandle(file), data, static_cast<DWORD>(size), &n, NULL) ||
        n == 0)
      return false;
    data += n;
    size -= n;
  }
  return true;
}

bool SysSync(FileHandle file) {
  return FlushFileBuffers(AsHandle(file)) != 0;
}

bool SysClose(FileHandle file) { return CloseHandle(AsHandle(file)) != 0; }
