#ifndef KORVANE_TEXT_LINE_WRITER_H_
#define KORVANE_TEXT_LINE_WRITER_H_

#include <stddef.h>

#include "text/file.h"
#include "text/line_piece.h"

/// Writes text to a file through a buffer, in one encoding, every line feed
/// as a carriage return and a line feed; every other character unchanged. A
/// failed write is remembered: later writes are dropped and ok(), Sync() and
/// Close() report it.
class TextLineWriter {
 public:
  TextLineWriter();
  ~TextLineWriter();

  /// Creates |path|, or truncates it to length 0, for writing text in
  /// |encoding|, whose mark starts the file. Fails when it can't be created
  /// or written (read-only, a folder).
  bool Open(const char* path, TextEncoding encoding = kEightBit);

  /// Writes the 8-bit |text| as it stands, apart from the line ends; in a
  /// UTF-16 file each byte is one character. Nothing is formatted: a "%" is
  /// an ordinary byte.
  void Write(const char* text, size_t size);
  /// Writes the zero-terminated |text|.
  void Write(const char* text);

  /// Writes |piece|, read from a file of this writer's encoding, as it
  /// stands, apart from the line ends.
  void WritePiece(const LinePiece& piece);

  /// Writes |size| bytes of |data| exactly as they stand, line feeds too.
  void WriteRaw(const char* data, size_t size) { Put(data, size); }

  /// Writes out the buffer, so that what was written is in the file even if
  /// the program is stopped. Returns false when that or any earlier write
  /// failed.
  bool Flush();

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
  void PutUtf16(unsigned unit);
  bool utf16() const { return IsUtf16(encoding_); }

  FileHandle file_;
  bool open_;
  bool failed_;
  TextEncoding encoding_;
  size_t used_;
  char buf_[64 * 1024];
};

#endif  // KORVANE_TEXT_LINE_WRITER_H_
