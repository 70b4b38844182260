#include "text/line_writer.h"

#include <string.h>

TextLineWriter::TextLineWriter()
    : file_(0),
      open_(false),
      failed_(false),
      encoding_(kEightBit),
      used_(0) {}

TextLineWriter::~TextLineWriter() { Close(); }

bool TextLineWriter::Open(const char* path, TextEncoding encoding) {
  Close();
  if (!FileOpenForWriting(path, &file_))
    return false;
  open_ = true;
  failed_ = false;
  used_ = 0;
  encoding_ = encoding;
  switch (encoding) {
    case kEightBit:
      break;
    case kUtf8Marked:
      Put("\xEF\xBB\xBF", 3);
      break;
    case kUtf16Le:
    case kUtf16Be:
      PutUtf16(0xFEFF);
      break;
  }
  return true;
}

void TextLineWriter::Write(const char* text, size_t size) {
  const char* end = text + size;
  if (utf16()) {
    for (; text < end; ++text) {
      if (*text == '\n')
        PutUtf16('\r');
      PutUtf16(static_cast<unsigned char>(*text));
    }
  } else {
    while (text < end) {
      const char* lf = static_cast<const char*>(
          memchr(text, '\n', static_cast<size_t>(end - text)));
      const char* stop = lf ? lf : end;
      Put(text, static_cast<size_t>(stop - text));
      if (lf)
        Put("\r\n", 2);
      text = stop + (lf ? 1 : 0);
    }
  }
}

void TextLineWriter::Write(const char* text) { Write(text, strlen(text)); }

void TextLineWriter::WritePiece(const LinePiece& piece) {
  if (!utf16()) {
    // A piece holds no line feed but as its last byte.
    bool lf = piece.text[piece.length - 1] == '\n';
    Put(piece.text, piece.length - lf);
    if (lf)
      Put("\r\n", 2);
    return;
  }
  // Characters go as they stand, but for the line feed; an odd last byte
  // too.
  size_t i = 0;
  for (; i + 1 < piece.length; i += 2) {
    if (Utf16Char(encoding_, piece.text + i) == '\n')
      PutUtf16('\r');
    Put(piece.text + i, 2);
  }
  if (i < piece.length)
    Put(piece.text + i, 1);
}

void TextLineWriter::PutUtf16(unsigned unit) {
  char bytes[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  if (encoding_ == kUtf16Be) {
    bytes[0] = static_cast<char>(unit >> 8);
    bytes[1] = static_cast<char>(unit & 0xFF);
  }
  Put(bytes, 2);
}

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
