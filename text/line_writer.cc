#include "text/line_writer.h"

#include <string.h>

TextLineWriter::TextLineWriter()
    : file_(0), open_(false), failed_(false), used_(0) {}

TextLineWriter::~TextLineWriter() { Close(); }

bool TextLineWriter::Open(const char* path) {
  Close();
  if (!FileOpenForWriting(path, &file_))
    return false;
  open_ = true;
  failed_ = false;
  used_ = 0;
  return true;
}

void TextLineWriter::Write(const char* text, size_t size) {
  const char* end = text + size;
  while (text < end) {
    const char* lf =
        static_cast<const char*>(memchr(text, '\n', static_cast<size_t>(end - text)));
    if (!lf) {
      Put(text, static_cast<size_t>(end - text));
      return;
    }
    Put(text, static_cast<size_t>(lf - text));
    Put("\r\n", 2);
    text = lf + 1;
  }
}

void TextLineWriter::Write(const char* text) { Write(text, strlen(text)); }

void TextLineWriter::Put(const char* data, size_t size) {
  if (failed_ || !open_)
    return;
  if (size > sizeof buf_ - used_) {
    if (!Flush())
      return;
    if (size >= sizeof buf_) {
      failed_ = !FileWrite(file_, data, size);
      return;
    }
  }
  memcpy(buf_ + used_, data, size);
  used_ += size;
}

bool TextLineWriter::Flush() {
  if (!failed_ && used_ > 0)
    failed_ = !FileWrite(file_, buf_, used_);
  used_ = 0;
  return !failed_;
}

bool TextLineWriter::Sync() {
  if (!open_)
    return false;
  if (Flush() && !FileSync(file_))
    failed_ = true;
  return !failed_;
}

bool TextLineWriter::Close() {
  if (!open_)
    return !failed_;
  Flush();
  if (!FileClose(file_))
    failed_ = true;
  open_ = false;
  return !failed_;
}
