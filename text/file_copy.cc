#include "text/file.h"

bool FileCopy(const char* from, const char* to) {
  FileHandle in;
  if (!FileOpenForReading(from, &in))
    return false;
  FileHandle out;
  if (!FileOpenForWriting(to, &out)) {
    FileClose(in);
    return false;
  }
  static char buf[64 * 1024];
  bool ok = true;
  for (;;) {
    long n = FileRead(in, buf, sizeof buf);
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    if (!FileWrite(out, buf, static_cast<size_t>(n))) {
      ok = false;
      break;
    }
  }
  FileClose(in);
  ok = FileSync(out) && ok;
  return FileClose(out) && ok;
}
