#include "text/file_fault.h"

#include <map>
#include <utility>

#include "text/file.h"
#include "text/file_sys.h"

namespace {

long g_count;
long g_fail_at;
bool g_sticky;
std::string g_spared;
std::vector<FailedOperation> g_failed;
// The open files: their names and whether they were opened for reading.
std::map<FileHandle, std::pair<std::string, bool>> g_open;

/// Counts one operation on |path| and tells whether it is to fail.
bool Fails(FileOperation operation, const std::string& path, bool reading) {
  if (!g_spared.empty() && path == g_spared)
    return false;
  ++g_count;
  bool fails = g_fail_at > 0 &&
               (g_sticky ? g_count >= g_fail_at : g_count == g_fail_at);
  if (fails)
    g_failed.push_back({operation, path, reading});
  return fails;
}

bool Fails(FileOperation operation, FileHandle file) {
  const std::pair<std::string, bool>& open = g_open[file];
  return Fails(operation, open.first, open.second);
}

}  // namespace

void InjectFileFault(long n, bool sticky, const std::string& spared) {
  g_count = 0;
  g_fail_at = n;
  g_sticky = sticky;
  g_spared = spared;
  g_failed.clear();
}

long FileOperationCount() { return g_count; }

const std::vector<FailedOperation>& FailedFileOperations() { return g_failed; }

bool FileOpenForReading(const char* path, FileHandle* file) {
  if (Fails(kOpenForReading, path, true) || !SysOpenForReading(path, file))
    return false;
  g_open[*file] = {path, true};
  return true;
}

bool FileOpenForWriting(const char* path, FileHandle* file) {
  if (Fails(kOpenForWriting, path, false) || !SysOpenForWriting(path, file))
    return false;
  g_open[*file] = {path, false};
  return true;
}

long FileRead(FileHandle file, char* buf, size_t size) {
  return Fails(kRead, file) ? -1 : SysRead(file, buf, size);
}

bool FileWrite(FileHandle file, const char* data, size_t size) {
  return !Fails(kWrite, file) && SysWrite(file, data, size);
}

bool FileSync(FileHandle file) { return !Fails(kSync, file) && SysSync(file); }

bool FileClose(FileHandle file) {
  // The file is released all the same, as a close that reports a delayed
  // write error still releases it.
  bool fails = Fails(kClose, file);
  g_open.erase(file);
  return SysClose(file) && !fails;
}
