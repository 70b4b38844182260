#include "update/rewrite.h"

#include <string.h>

static bool PieceEquals(const LinePiece& piece, const char* line) {
  return line && strlen(line) == piece.length &&
         memcmp(piece.text, line, piece.length) == 0;
}

const RewriteRule* RewritePiece(const UpdateTarget& target,
                                const LinePiece& piece, bool* in_section) {
  if (piece.continues_line)
    return nullptr;
  if (piece.text[0] == '[') {
    *in_section = PieceEquals(piece, target.section_header);
    return nullptr;
  }
  if (!*in_section)
    return nullptr;
  for (size_t i = 0; i < target.rule_count; ++i) {
    if (PieceEquals(piece, target.rules[i].match))
      return &target.rules[i];
  }
  return nullptr;
}
