#include "update/update_pass.h"

#include "text/line_reader.h"
#include "update/rewrite.h"

/// Copies every piece of |in| to |backup| unchanged and forces the backup to
/// the disk. Returns the message that stops the pass, or null when the
/// backup is complete.
static const char* MakeBackup(const MessageSet& messages, TextLineReader* in,
                              TextLineWriter* backup) {
  LinePiece piece;
  TextLineReader::Result r;
  while ((r = in->Next(&piece)) == TextLineReader::kPiece && backup->ok())
    backup->WritePiece(piece);
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
  while ((r = in->Next(&piece)) == TextLineReader::kPiece && out->ok()) {
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

PassResult RunPass(const UpdateTarget& target, TextLineWriter* log) {
  const MessageSet& messages = target.messages;
  log->Write(messages.announce);

  TextLineReader in;
  if (!in.Open(target.file_name)) {
    log->Write(messages.not_found);
    return kPassStop;
  }
  log->Write(messages.found);
  TextLineWriter out;
  if (!out.Open(target.backup_name, in.encoding())) {
    log->Write(messages.backup_failed);
    return kPassStop;
  }
  if (const char* failure = MakeBackup(messages, &in, &out)) {
    log->Write(failure);
    return kPassStop;
  }
  log->Write(messages.backup_done);

  if (!in.Open(target.backup_name)) {
    log->Write(messages.reopen_failed);
    return kPassStop;
  }
  if (!out.Open(target.file_name, in.encoding())) {
    log->Write(messages.write_failed);
    return kPassStop;
  }
  bool changed = false;
  if (!Rewrite(target, &in, &out, log, &changed)) {
    bool restored = FileCopy(target.backup_name, target.file_name);
    log->Write(restored ? messages.restored : messages.not_restored);
    return kPassStop;
  }
  log->Write(changed ? messages.success : messages.no_change);
  return kPassDone;
}
