#include "text/line_piece.h"

#include <string.h>

/// The ASCII character |c| as it is stored in a UTF-16 file: the bytes of
/// the piece at |p| hold it when they are |c| and 0 in the encoding's order.
static bool Utf16Is(const LinePiece& piece, const char* p, char c) {
  return piece.encoding == kUtf16Le ? p[0] == c && p[1] == 0
                                    : p[0] == 0 && p[1] == c;
}

static bool IsUtf16(const LinePiece& piece) {
  return piece.encoding == kUtf16Le || piece.encoding == kUtf16Be;
}

bool PieceEquals(const LinePiece& piece, const char* line) {
  if (!line)
    return false;
  size_t n = strlen(line);
  if (!IsUtf16(piece))
    return n == piece.length && memcmp(piece.text, line, n) == 0;
  if (2 * n != piece.length)
    return false;
  for (size_t i = 0; i < n; ++i) {
    if (!Utf16Is(piece, piece.text + 2 * i, line[i]))
      return false;
  }
  return true;
}

bool PieceStartsWith(const LinePiece& piece, char c) {
  if (!IsUtf16(piece))
    return piece.length >= 1 && piece.text[0] == c;
  return piece.length >= 2 && Utf16Is(piece, piece.text, c);
}
