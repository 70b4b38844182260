#ifndef KORVANE_TEXT_LINE_READER_H_
#define KORVANE_TEXT_LINE_READER_H_

#include <stddef.h>

#include "text/file.h"
#include "text/line_piece.h"

class TextLineWriter;

/// Reads a file as a series of line pieces. The mark at the file's start, if
/// any, tells its encoding (see TextEncoding) and is not part of any piece. A
/// carriage return directly followed by a line feed is read as one line
/// feed, also when the two arrive in different reads; every other character
/// is read unchanged. In a UTF-16 file, a last odd byte is a piece of its own.
class TextLineReader {
 public:
  enum Result { kPiece, kEnd, kError };

  TextLineReader();
  ~TextLineReader();

  /// Opens |path| for reading and takes its mark. Fails when it is missing,
  /// is a folder or can't be opened; a failed read shows in Next().
  bool Open(const char* path);

  /// False once a read of the file has failed; Open() reads the first
  /// bytes, to take the mark.
  bool ok() const { return !read_failed_; }

  /// The encoding told by the file's mark.
  TextEncoding encoding() const { return encoding_; }

  /// Reads the next piece into |piece|. Gives kEnd when not a single byte is
  /// left, kError when the file could not be read; the piece is then not
  /// valid.
  Result Next(LinePiece* piece);

  /// Writes the pieces that follow to |out| unchanged, as WritePiece()
  /// would, and faster: an 8-bit file goes over in whole buffers. Copies to
  /// the end of the file, or, with |stop| given, stops before the first line
  /// that begins with it, which is left for Next() (a UTF-16 file then
  /// copies nothing). Gives kPiece when it stopped before a line, kEnd at the
  /// end of the file, kError when the file could not be read; stops early
  /// when a write fails (see TextLineWriter::ok()).
  Result CopyTo(TextLineWriter* out, int stop = -1);

  /// Releases the file, if open.
  void Close();

 private:
  enum Fill { kFilled, kFillEnd, kFillError };
  /// Reads until |n| bytes are buffered; kFillEnd when the file has fewer.
  Fill Ensure(size_t n);
  Result NextEightBit(LinePiece* piece);
  Result NextUtf16(LinePiece* piece);

  FileHandle file_;
  bool open_;
  bool at_end_;
  bool read_failed_;
  bool cut_;  // The last piece was cut at kMaxLength characters.
  TextEncoding encoding_;
  size_t pos_;
  size_t end_;
  char buf_[64 * 1024];
};

#endif  // KORVANE_TEXT_LINE_READER_H_
