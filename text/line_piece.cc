#include "text/line_piece.h"

#include <string.h>

unsigned Utf16Char(TextEncoding encoding, const char* p) {
  unsigned a = static_cast<unsigned char>(p[0]);
  unsigned b = static_cast<unsigned char>(p[1]);
  return encoding == kUtf16Le ? a | b << 8 : a << 8 | b;
}

/// The piece's UTF-16 character at byte |i| is the ASCII |c|.
static bool Utf16Is(const LinePiece& piece, size_t i, char c) {
  return Utf16Char(piece.encoding, piece.text + i) ==
         static_cast<unsigned char>(c);
}

bool PieceEquals(const LinePiece& piece, const char* line) {
  if (!line)
    return false;
  size_t n = strlen(line);
  if (!IsUtf16(piece.encoding))
    return n == piece.length && memcmp(piece.text, line, n) == 0;
  if (2 * n != piece.length)
    return false;
  for (size_t i = 0; i < n; ++i) {
    if (!Utf16Is(piece, 2 * i, line[i]))
      return false;
  }
  return true;
}

bool PieceStartsWith(const LinePiece& piece, char c) {
  if (!IsUtf16(piece.encoding))
    return piece.length >= 1 && piece.text[0] == c;
  return piece.length >= 2 && Utf16Is(piece, 0, c);
}
