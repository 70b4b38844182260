#include "text/line_reader.h"

#include <string.h>

TextLineReader::TextLineReader()
    : file_(0), open_(false), at_end_(false), cut_(false), pos_(0), end_(0) {}

TextLineReader::~TextLineReader() { Close(); }

bool TextLineReader::Open(const char* path) {
  Close();
  if (!FileOpenForReading(path, &file_))
    return false;
  open_ = true;
  at_end_ = false;
  cut_ = false;
  pos_ = end_ = 0;
  return true;
}

void TextLineReader::Close() {
  if (open_)
    FileClose(file_);
  open_ = false;
}

TextLineReader::Fill TextLineReader::FillIfEmpty() {
  if (pos_ < end_)
    return kFilled;
  if (at_end_)
    return kFillEnd;
  long n = FileRead(file_, buf_, sizeof buf_);
  if (n < 0)
    return kFillError;
  if (n == 0) {
    at_end_ = true;
    return kFillEnd;
  }
  pos_ = 0;
  end_ = static_cast<size_t>(n);
  return kFilled;
}

TextLineReader::Result TextLineReader::Next(LinePiece* piece) {
  char* text = piece->text;
  size_t len = 0;
  piece->continues_line = cut_;
  cut_ = false;
  for (;;) {
    Fill fill = FillIfEmpty();
    if (fill == kFillError)
      return kError;
    if (fill == kFillEnd)
      break;
    size_t n = end_ - pos_;
    if (n > LinePiece::kMaxLength - len)
      n = LinePiece::kMaxLength - len;
    const char* src = buf_ + pos_;
    const char* lf = static_cast<const char*>(memchr(src, '\n', n));
    size_t take = lf ? static_cast<size_t>(lf - src) + 1 : n;
    memcpy(text + len, src, take);
    len += take;
    pos_ += take;
    if (lf) {
      if (len >= 2 && text[len - 2] == '\r') {
        text[len - 2] = '\n';
        --len;
      }
      break;
    }
    if (len == LinePiece::kMaxLength) {
      // A full piece that ends in a carriage return must see the next byte:
      // with a line feed after it, the pair is the piece's line end.
      if (text[len - 1] == '\r') {
        fill = FillIfEmpty();
        if (fill == kFillError)
          return kError;
        if (fill == kFilled && buf_[pos_] == '\n') {
          text[len - 1] = '\n';
          ++pos_;
          break;
        }
      }
      cut_ = true;
      break;
    }
  }
  if (len == 0)
    return kEnd;
  text[len] = '\0';
  piece->length = len;
  return kPiece;
}
