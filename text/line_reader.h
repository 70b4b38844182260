#ifndef KORVANE_TEXT_LINE_READER_H_
#define KORVANE_TEXT_LINE_READER_H_

#include <stddef.h>

#include "text/file.h"

/// One unit of reading: 1 to kMaxLength bytes that end just after the first
/// line feed, when kMaxLength bytes are held, or at the end of the file. The
/// bytes are a string with a length: a NUL byte is an ordinary byte.
struct LinePiece {
  enum { kMaxLength = 1023 };
  char text[kMaxLength + 1];  // Zero-terminated after |length| bytes.
  size_t length;
  /// The piece continues a line that the previous piece cut at kMaxLength
  /// bytes: it is the tail of a line, not a line of its own.
  bool continues_line;
};

/// Reads a file as a series of line pieces. A carriage return directly
/// followed by a line feed is read as one line feed, also when the two bytes
/// arrive in different reads; every other byte is read unchanged.
class TextLineReader {
 public:
  enum Result { kPiece, kEnd, kError };

  TextLineReader();
  ~TextLineReader();

  /// Opens |path| for reading. Fails when it is missing, is a folder or
  /// can't be read.
  bool Open(const char* path);

  /// Reads the next piece into |piece|. Gives kEnd when not a single byte is
  /// left, kError when the file could not be read; the piece is then not
  /// valid.
  Result Next(LinePiece* piece);

  /// Releases the file, if open.
  void Close();

 private:
  enum Fill { kFilled, kFillEnd, kFillError };
  Fill FillIfEmpty();

  FileHandle file_;
  bool open_;
  bool at_end_;
  bool cut_;  // The last piece was cut at kMaxLength bytes.
  size_t pos_;
  size_t end_;
  char buf_[64 * 1024];
};

#endif  // KORVANE_TEXT_LINE_READER_H_
