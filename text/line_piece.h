#ifndef KORVANE_TEXT_LINE_PIECE_H_
#define KORVANE_TEXT_LINE_PIECE_H_

#include <stddef.h>

/// How a file's text is stored, told by the mark at its start.
enum TextEncoding {
  kEightBit,    // No mark: 8-bit bytes.
  kUtf8Marked,  // EF BB BF, then 8-bit bytes.
  kUtf16Le,     // FF FE, then 16-bit characters, low byte first.
  kUtf16Be,     // FE FF, then 16-bit characters, high byte first.
};

/// True for the two UTF-16 encodings.
inline bool IsUtf16(TextEncoding encoding) {
  return encoding == kUtf16Le || encoding == kUtf16Be;
}

/// The UTF-16 character stored in the two bytes at |p|, in the byte order of
/// |encoding|.
unsigned Utf16Char(TextEncoding encoding, const char* p);

/// One unit of reading: 1 to kMaxLength characters that end just after the
/// first line feed, when kMaxLength characters are held, or at the end of
/// the file. A character is a byte, or two bytes in a UTF-16 file. The text
/// holds the file's own bytes, after line-end conversion; it is a string
/// with a length, so a NUL byte is an ordinary byte.
struct LinePiece {
  enum { kMaxLength = 1023 };
  char text[2 * kMaxLength + 2];  // Zero-terminated after |length| bytes.
  size_t length;                  // In bytes.
  TextEncoding encoding;
  /// The piece continues a line that the previous piece cut at kMaxLength
  /// characters: it is the tail of a line, not a line of its own.
  bool continues_line;
};

/// True when |piece| holds exactly the characters of the ASCII |line|, case
/// included, in its own encoding. False for a null |line|.
bool PieceEquals(const LinePiece& piece, const char* line);

/// True when the first character of |piece| is the ASCII |c|.
bool PieceStartsWith(const LinePiece& piece, char c);

#endif  // KORVANE_TEXT_LINE_PIECE_H_
