#ifndef KORVANE_TEXT_LINE_WRITER_H_
#define KORVANE_TEXT_LINE_WRITER_H_

#include <stddef.h>

#include "text/file.h"

/// Writes text to a file through a buffer, every line feed as a carriage
/// return and a line feed; every other byte unchanged. A failed write is
/// remembered: later writes are dropped and ok(), Sync() and Close() report it.
class TextLineWriter {
 public:
  TextLineWriter();
  ~TextLineWriter();

  /// Creates |path|, or truncates it to length 0, for writing. Fails when it
  /// can't be created or written (read-only, a folder).
  bool Open(const char* path);

  /// Writes |size| bytes of |text| as they stand, apart from the line ends.
  /// Nothing is formatted: a "%" is an ordinary byte.
  void Write(const char* text, size_t size);
  /// Writes the zero-terminated |text|.
  void Write(const char* text);

  /// True while every write since Open() has succeeded.
  bool ok() const { return !failed_; }

  /// Writes out the buffer and forces the file's bytes to the disk. Returns
  /// false when that or any earlier write failed.
  bool Sync();

  /// Writes out the buffer and releases the file, if open. Returns false when
  /// that or any earlier write failed.
  bool Close();

 private:
  void Put(const char* data, size_t size);
  bool Flush();

  FileHandle file_;
  bool open_;
  bool failed_;
  size_t used_;
  char buf_[64 * 1024];
};

#endif  // KORVANE_TEXT_LINE_WRITER_H_
