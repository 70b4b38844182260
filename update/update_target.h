#ifndef KORVANE_UPDATE_UPDATE_TARGET_H_
#define KORVANE_UPDATE_UPDATE_TARGET_H_

#include <stddef.h>

/// One row of a rule set: inside the target's section, a piece equal to
/// |match| (which ends in a line feed and never begins with "[") is written
/// as |replacement|, and |log_line| goes to the update log.
struct RewriteRule {
  const char* match;
  const char* replacement;
  const char* log_line;
};

/// The texts a pass writes to the update log at its fixed points.
struct MessageSet {
  const char* announce;
  const char* not_found;
  const char* found;
  const char* backup_failed;
  const char* backup_read_failed;   // The target could not be read whole.
  const char* backup_write_failed;  // The backup could not be written whole.
  const char* backup_done;
  const char* reopen_failed;  // The backup could not be opened again.
  const char* write_failed;
  const char* restored;      // The rewrite failed; the backup was put back.
  const char* not_restored;  // The rewrite failed and so did putting it back.
  const char* success;
  const char* no_change;
};

/// Everything that tells one pass from another.
struct UpdateTarget {
  const char* file_name;
  const char* backup_name;
  MessageSet messages;
  /// The exact line, line feed included, that opens the section in which the
  /// rules apply; null for none.
  const char* section_header;
  const RewriteRule* rules;
  size_t rule_count;
};

#endif  // KORVANE_UPDATE_UPDATE_TARGET_H_
