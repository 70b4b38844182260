#include "fuzz/text_model.h"

#include <string.h>

#include <vector>

namespace {

const unsigned kOddByte = 0x10000;  // Flags the odd last byte of UTF-16.

struct Text {
  std::string mark;
  int width = 1;              // Bytes a character.
  bool big_endian = false;
  std::vector<unsigned> chars;
};

Text Decode(const std::string& file) {
  Text text;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(file.data());
  size_t n = file.size(), i = 0;
  if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
    i = 3;
  } else if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) ||
                        (p[0] == 0xFE && p[1] == 0xFF))) {
    i = 2;
    text.width = 2;
    text.big_endian = p[0] == 0xFE;
  }
  text.mark = file.substr(0, i);
  for (; i + text.width <= n; i += text.width) {
    text.chars.push_back(text.width == 1 ? p[i]
                         : text.big_endian ? p[i] << 8 | p[i + 1]
                                           : p[i] | p[i + 1] << 8);
  }
  if (i < n)
    text.chars.push_back(kOddByte | p[i]);
  return text;
}

std::string Encode(const Text& text, const std::vector<unsigned>& chars) {
  std::string out = text.mark;
  auto put = [&](unsigned c) {
    if (c & kOddByte || text.width == 1) {
      out += static_cast<char>(c & 0xFF);
    } else if (text.big_endian) {
      out += static_cast<char>(c >> 8);
      out += static_cast<char>(c & 0xFF);
    } else {
      out += static_cast<char>(c & 0xFF);
      out += static_cast<char>(c >> 8);
    }
  };
  for (unsigned c : chars) {
    if (c == '\n')
      put('\r');
    put(c);
  }
  return out;
}

std::vector<unsigned> Normalize(const std::vector<unsigned>& chars) {
  std::vector<unsigned> out;
  for (size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == '\r' && i + 1 < chars.size() && chars[i + 1] == '\n')
      continue;
    out.push_back(chars[i]);
  }
  return out;
}

struct Piece {
  std::vector<unsigned> chars;
  bool continues_line;
};

std::vector<Piece> Cut(const std::vector<unsigned>& chars) {
  std::vector<Piece> pieces;
  bool cut = false;
  size_t i = 0;
  while (i < chars.size()) {
    Piece piece{{}, cut};
    cut = false;
    if (chars[i] & kOddByte) {
      piece.chars.push_back(chars[i++]);
    } else {
      while (i < chars.size() && !(chars[i] & kOddByte)) {
        piece.chars.push_back(chars[i++]);
        if (piece.chars.back() == '\n')
          break;
        if (piece.chars.size() == 1023) {
          cut = true;
          break;
        }
      }
    }
    pieces.push_back(piece);
  }
  return pieces;
}

std::vector<unsigned> Chars(const char* ascii) {
  std::vector<unsigned> out;
  for (const char* p = ascii; p && *p; ++p)
    out.push_back(static_cast<unsigned char>(*p));
  return out;
}

}  // namespace

std::string ModelCopy(const std::string& file) {
  Text text = Decode(file);
  return Encode(text, Normalize(text.chars));
}

std::string ModelRewrite(const std::string& file, const UpdateTarget& target) {
  Text text = Decode(file);
  std::vector<unsigned> out;
  bool in_section = false;
  for (const Piece& piece : Cut(Normalize(text.chars))) {
    const std::vector<unsigned>* write = &piece.chars;
    std::vector<unsigned> replacement;
    if (piece.continues_line) {
    } else if (piece.chars[0] == '[') {
      in_section = target.section_header && piece.chars == Chars(target.section_header);
    } else if (in_section) {
      for (size_t r = 0; r < target.rule_count; ++r) {
        if (piece.chars == Chars(target.rules[r].match)) {
          replacement = Chars(target.rules[r].replacement);
          write = &replacement;
          break;
        }
      }
    }
    out.insert(out.end(), write->begin(), write->end());
  }
  return Encode(text, out);
}
