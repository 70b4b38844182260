#ifndef KORVANE_UPDATE_REWRITE_H_
#define KORVANE_UPDATE_REWRITE_H_

#include "text/line_reader.h"
#include "update/update_target.h"

/// Decides what becomes of |piece| in a rewrite of |target|'s file and moves
/// |*in_section| on. A piece that begins with "[" is a header line: it opens
/// the section when it equals the target's section header byte for byte and
/// closes it otherwise. Inside the section, the first rule whose match line
/// equals the piece is returned; in every other case null, and the piece is
/// written unchanged. The tail of a cut line (continues_line) is never a
/// header line nor matched, and leaves the section as it was.
const RewriteRule* RewritePiece(const UpdateTarget& target,
                                const LinePiece& piece, bool* in_section);

#endif  // KORVANE_UPDATE_REWRITE_H_
