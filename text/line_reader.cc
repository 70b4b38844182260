#include "text/line_reader.h"

#include <string.h>

#include "text/line_writer.h"

TextLineReader::TextLineReader()
    : file_(0),
      open_(false),
      at_end_(false),
      read_failed_(false),
      cut_(false),
      encoding_(kEightBit),
      pos_(0),
      end_(0) {}

TextLineReader::~TextLineReader() { Close(); }

bool TextLineReader::Open(const char* path) {
  Close();
  if (!FileOpenForReading(path, &file_))
    return false;
  open_ = true;
  at_end_ = read_failed_ = cut_ = false;
  pos_ = end_ = 0;
  encoding_ = kEightBit;
  if (Ensure(3) == kFillError) {
    read_failed_ = true;
    return true;
  }
  const unsigned char* p = reinterpret_cast<const unsigned char*>(buf_);
  size_t n = end_ - pos_;
  if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
    encoding_ = kUtf8Marked;
    pos_ += 3;
  } else if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
    encoding_ = kUtf16Le;
    pos_ += 2;
  } else if (n >= 2 && p[0] == 0xFE && p[1] == 0xFF) {
    encoding_ = kUtf16Be;
    pos_ += 2;
  }
  return true;
}

void TextLineReader::Close() {
  if (open_)
    FileClose(file_);
  open_ = false;
}

TextLineReader::Fill TextLineReader::Ensure(size_t n) {
  while (end_ - pos_ < n) {
    if (at_end_)
      return kFillEnd;
    size_t left = end_ - pos_;
    memmove(buf_, buf_ + pos_, left);
    pos_ = 0;
    end_ = left;
    long got = FileRead(file_, buf_ + end_, sizeof buf_ - end_);
    if (got < 0)
      return kFillError;
    if (got == 0)
      at_end_ = true;
    end_ += static_cast<size_t>(got);
  }
  return kFilled;
}

TextLineReader::Result TextLineReader::Next(LinePiece* piece) {
  if (read_failed_)
    return kError;
  piece->encoding = encoding_;
  piece->continues_line = cut_;
  cut_ = false;
  Result r = IsUtf16(encoding_) ? NextUtf16(piece) : NextEightBit(piece);
  if (r == kPiece)
    piece->text[piece->length] = '\0';
  return r;
}

TextLineReader::Result TextLineReader::CopyTo(TextLineWriter* out, int stop) {
  if (IsUtf16(encoding_)) {
    if (stop >= 0)
      return kPiece;
    LinePiece piece;
    Result r;
    while ((r = Next(&piece)) == kPiece && out->ok())
      out->WritePiece(piece);
    return r;
  }
  if (read_failed_)
    return kError;
  // Reading turns CR LF into LF and writing turns LF into CR LF: together,
  // a CR goes before every line feed that has none. A line begins after a
  // line feed, or here unless the last piece was cut.
  bool after_cr = false;
  bool line_start = !cut_;
  for (;;) {
    Fill fill = Ensure(1);
    if (fill == kFillError)
      return kError;
    if (fill == kFillEnd || !out->ok())
      return kEnd;
    const char* start = buf_ + pos_;
    const char* end = buf_ + end_;
    if (line_start && static_cast<unsigned char>(*start) == stop)
      return kPiece;
    const char* span = start;
    const char* p = start;
    while (const char* lf = static_cast<const char*>(
               memchr(p, '\n', static_cast<size_t>(end - p)))) {
      if (lf > start ? lf[-1] != '\r' : !after_cr) {
        out->WriteRaw(span, static_cast<size_t>(lf - span));
        out->WriteRaw("\r", 1);
        span = lf;
      }
      p = lf + 1;
      if (p < end && static_cast<unsigned char>(*p) == stop) {
        out->WriteRaw(span, static_cast<size_t>(p - span));
        pos_ = static_cast<size_t>(p - buf_);
        cut_ = false;
        return kPiece;
      }
    }
    out->WriteRaw(span, static_cast<size_t>(end - span));
    after_cr = end[-1] == '\r';
    line_start = end[-1] == '\n';
    pos_ = end_;
  }
}

TextLineReader::Result TextLineReader::NextEightBit(LinePiece* piece) {
  char* text = piece->text;
  size_t len = 0;
  for (;;) {
    Fill fill = Ensure(1);
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
        fill = Ensure(1);
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
  piece->length = len;
  return kPiece;
}

TextLineReader::Result TextLineReader::NextUtf16(LinePiece* piece) {
  char* text = piece->text;
  size_t units = 0;
  for (;;) {
    Fill fill = Ensure(2);
    if (fill == kFillError)
      return kError;
    if (fill == kFillEnd) {
      // An odd last byte is no character; it is kept as it stands.
      if (units == 0 && pos_ < end_) {
        text[0] = buf_[pos_++];
        piece->length = 1;
        return kPiece;
      }
      break;
    }
    unsigned unit = Utf16Char(encoding_, buf_ + pos_);
    memcpy(text + 2 * units++, buf_ + pos_, 2);
    pos_ += 2;
    if (unit == '\r') {
      fill = Ensure(2);
      if (fill == kFillError)
        return kError;
      if (fill == kFilled && Utf16Char(encoding_, buf_ + pos_) == '\n') {
        memcpy(text + 2 * (units - 1), buf_ + pos_, 2);
        pos_ += 2;
        break;
      }
    } else if (unit == '\n') {
      break;
    }
    if (units == LinePiece::kMaxLength) {
      cut_ = true;
      break;
    }
  }
  if (units == 0)
    return kEnd;
  piece->length = 2 * units;
  return kPiece;
}
