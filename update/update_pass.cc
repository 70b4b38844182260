#include "update/update_pass.h"

#include "text/line_reader.h"
#include "update/rewrite.h"

/// Copies every piece of |in| to |backup| unchanged and forces the backup to
/// the disk. Returns the message that stops the pass, or null when the
/// backup is complete.
static const char* MakeBackup(const MessageSet& messages, TextLineReader* in,
                              TextLineWriter* backup) {
  TextLineReader::Result r = in->CopyTo(backup);
  in->Close();
  bool written = backup->Sync();
  written = backup->Close() && written;
  if (r == TextLineReader::kError)
    return messages.backup_read_failed;
  if (!written)
    return messages.backup_write_failed;
  return nullptr;
}

/// Rewrites |out| from |in| by |target|'s section and rules, logging each
/// rule applied and setting |*changed|. Returns false when a piece could not
/// be read or the target could not be written whole.
static bool Rewrite(const UpdateTarget& target, TextLineReader* in,
                    TextLineWriter* out, TextLineWriter* log, bool* changed) {
  bool in_section = false;
  LinePiece piece;
  TextLineReader::Result r;
  for (;;) {
    // Outside the section only a header line can change anything: the
    // lines up to the next one are copied in bulk.
    if (!in_section && (r = in->CopyTo(out, '[')) != TextLineReader::kPiece)
      break;
    if ((r = in->Next(&piece)) != TextLineReader::kPiece || !out->ok())
      break;
    const RewriteRule* rule = RewritePiece(target, piece, &in_section);
    if (!rule) {
      out->WritePiece(piece);
      continue;
    }
    out->Write(rule->replacement);
    log->Write(rule->log_line);
    *changed = true;
  }
  in->Close();
  bool written = out->Close();
  return r != TextLineReader::kError && written;
}

/// Writes a step's message to |log| and out to the file at once, so that a
/// run that is stopped leaves the log of what it did.
static void Report(TextLineWriter* log, const char* message) {
  log->Write(message);
  log->Flush();
}

PassResult RunPass(const UpdateTarget& target, TextLineWriter* log) {
  const MessageSet& messages = target.messages;
  Report(log, messages.announce);

  TextLineReader in;
  if (!in.Open(target.file_name)) {
    Report(log, messages.not_found);
    return kPassStop;
  }
  Report(log, messages.found);
  TextLineWriter out;
  if (!out.Open(target.backup_name, in.encoding())) {
    Report(log, messages.backup_failed);
    return kPassStop;
  }
  if (const char* failure = MakeBackup(messages, &in, &out)) {
    Report(log, failure);
    return kPassStop;
  }
  Report(log, messages.backup_done);

  // The target is truncated only when its backup reads back.
  if (!in.Open(target.backup_name) || !in.ok()) {
    Report(log, messages.reopen_failed);
    return kPassStop;
  }
  if (!out.Open(target.file_name, in.encoding())) {
    Report(log, messages.write_failed);
    return kPassStop;
  }
  bool changed = false;
  if (!Rewrite(target, &in, &out, log, &changed)) {
    bool restored = FileCopy(target.backup_name, target.file_name);
    Report(log, restored ? messages.restored : messages.not_restored);
    return kPassStop;
  }
  Report(log, changed ? messages.success : messages.no_change);
  return kPassDone;
}
