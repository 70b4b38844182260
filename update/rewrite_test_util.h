#ifndef KORVANE_UPDATE_REWRITE_TEST_UTIL_H_
#define KORVANE_UPDATE_REWRITE_TEST_UTIL_H_

#include <string>

#include "text/line_reader.h"
#include "update/update_target.h"

/// |text| as a line piece.
LinePiece MakePiece(const std::string& text, bool continues_line = false);

struct RewriteOutcome {
  std::string output;  // What the pass writes to the file, before CR LF.
  std::string log;     // The rules' log lines.
};

/// Runs RewritePiece over |text| cut after every line feed, as the pass does
/// for lines shorter than a piece.
RewriteOutcome RewriteText(const UpdateTarget& target, const std::string& text);

#endif  // KORVANE_UPDATE_REWRITE_TEST_UTIL_H_
