#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/file_sys.h"

bool SysOpenForReading(const char* path, FileHandle* file) {
  int fd;
  do {
    fd = open(path, O_RDONLY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0)
    return false;
  // A folder opens for reading on POSIX; it is not a file to update.
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    return false;
  }
  *file = fd;
  return true;
}

bool SysOpenForWriting(const char* path, FileHandle* file) {
  int fd;
  do {
    fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0)
    return false;
  *file = fd;
  return true;
}

long SysRead(FileHandle file, char* buf, size_t size) {
  ssize_t n;
  do {
    n = read(static_cast<int>(file), buf, size);
  } while (n < 0 && errno == EINTR);
  return n < 0 ? -1 : static_cast<long>(n);
}

bool SysWrite(FileHandle file, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = write(static_cast<int>(file), data, size);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool SysSync(FileHandle file) { return fsync(static_cast<int>(file)) == 0; }

bool SysClose(FileHandle file) { return close(static_cast<int>(file)) == 0; }
