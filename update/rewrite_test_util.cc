#include "update/rewrite_test_util.h"

#include <string.h>

#include "update/rewrite.h"

LinePiece MakePiece(const std::string& text, bool continues_line) {
  LinePiece piece;
  memcpy(piece.text, text.data(), text.size());
  piece.text[text.size()] = '\0';
  piece.length = text.size();
  piece.encoding = kEightBit;
  piece.continues_line = continues_line;
  return piece;
}

RewriteOutcome RewriteText(const UpdateTarget& target,
                           const std::string& text) {
  RewriteOutcome outcome;
  bool in_section = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t lf = text.find('\n', start);
    size_t end = lf == std::string::npos ? text.size() : lf + 1;
    LinePiece piece = MakePiece(text.substr(start, end - start));
    const RewriteRule* rule = RewritePiece(target, piece, &in_section);
    outcome.output += rule ? rule->replacement : text.substr(start, end - start);
    if (rule)
      outcome.log += rule->log_line;
    start = end;
  }
  return outcome;
}
