#include "update/rewrite.h"

const RewriteRule* RewritePiece(const UpdateTarget& target,
                                const LinePiece& piece, bool* in_section) {
  if (piece.continues_line)
    return nullptr;
  if (PieceStartsWith(piece, '[')) {
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
