#include "text/file_fault.h"

#include "text/file.h"
#include "text/file_sys.h"

static long g_count;
static long g_fail_at;
static bool g_sticky;

void InjectFileFault(long n, bool sticky) {
  g_count = 0;
  g_fail_at = n;
  g_sticky = sticky;
}

long FileOperationCount() { return g_count; }

/// Counts one operation and tells whether it is to fail.
static bool Fails() {
  ++g_count;
  if (g_fail_at <= 0)
    return false;
  return g_sticky ? g_count >= g_fail_at : g_count == g_fail_at;
}

bool FileOpenForReading(const char* path, FileHandle* file) {
  return !Fails() && SysOpenForReading(path, file);
}

bool FileOpenForWriting(const char* path, FileHandle* file) {
  return !Fails() && SysOpenForWriting(path, file);
}

long FileRead(FileHandle file, char* buf, size_t size) {
  return Fails() ? -1 : SysRead(file, buf, size);
}

bool FileWrite(FileHandle file, const char* data, size_t size) {
  return !Fails() && SysWrite(file, data, size);
}

bool FileSync(FileHandle file) { return !Fails() && SysSync(file); }

bool FileClose(FileHandle file) {
  // The file is released all the same, as a close that reports a delayed
  // write error still releases it.
  bool fails = Fails();
  return SysClose(file) && !fails;
}
