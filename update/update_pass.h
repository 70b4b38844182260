#ifndef KORVANE_UPDATE_UPDATE_PASS_H_
#define KORVANE_UPDATE_UPDATE_PASS_H_

#include "text/line_writer.h"
#include "update/update_target.h"

enum PassResult {
  kPassDone,  // The target was rewritten, changed or not.
  kPassStop,  // The pass could not go on; the run ends.
};

/// Backs up |target|'s file and rewrites it from the backup by its section
/// and rules, reporting every step to |log|. The target is truncated only
/// after its backup has been written whole, forced to the disk and opened
/// again for reading; a pass that stops before that leaves the target as it
/// was. When the rewrite itself fails, the backup is copied back over the
/// target. On kPassStop the reason, if any, is already in |log|.
PassResult RunPass(const UpdateTarget& target, TextLineWriter* log);

#endif  // KORVANE_UPDATE_UPDATE_PASS_H_
