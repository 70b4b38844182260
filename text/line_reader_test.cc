#include "text/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "text/test_util.h"

namespace {

// A piece as read: its bytes and whether it continues a cut line.
typedef std::pair<std::string, bool> Piece;

std::vector<Piece> ReadPieces(const std::string& bytes,
                              TextEncoding* encoding = nullptr) {
  TempFolder folder;
  std::string path = folder / "input";
  WriteBytes(path, bytes);
  TextLineReader reader;
  EXPECT_TRUE(reader.Open(path.c_str()));
  if (encoding)
    *encoding = reader.encoding();
  std::vector<Piece> pieces;
  LinePiece piece;
  TextLineReader::Result r;
  while ((r = reader.Next(&piece)) == TextLineReader::kPiece) {
    EXPECT_EQ(piece.text[piece.length], '\0');
    pieces.emplace_back(std::string(piece.text, piece.length),
                        piece.continues_line);
  }
  EXPECT_EQ(r, TextLineReader::kEnd);
  EXPECT_EQ(reader.Next(&piece), TextLineReader::kEnd) << "end stays end";
  return pieces;
}

std::string Repeat(char c, size_t n) { return std::string(n, c); }

// Lines of 99 bytes and a line feed, |count| of them, as bytes and pieces.
std::string Filler(size_t count) {
  std::string bytes;
  for (size_t i = 0; i < count; ++i)
    bytes += Repeat('a', 99) + "\n";
  return bytes;
}
std::vector<Piece> FillerPieces(size_t count) {
  return std::vector<Piece>(count, Piece(Repeat('a', 99) + "\n", false));
}

std::vector<Piece> Concat(std::vector<Piece> a, const std::vector<Piece>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TextLineReaderTest, Pieces) {
  const std::string x1022 = Repeat('x', 1022), x1023 = Repeat('x', 1023);
  struct Case {
    const char* name;
    std::string input;
    std::vector<Piece> expected;
  } cases[] = {
      {"empty file", "", {}},
      {"no final line feed", "abc", {{"abc", false}}},
      {"CR LF", "a\r\nb\r\n", {{"a\n", false}, {"b\n", false}}},
      {"LF", "a\nb\n", {{"a\n", false}, {"b\n", false}}},
      {"mixed", "a\r\nb\nc", {{"a\n", false}, {"b\n", false}, {"c", false}}},
      {"lone CR", "a\rb\r\n", {{"a\rb\n", false}}},
      {"CR CR LF", "a\r\r\n", {{"a\r\n", false}}},
      {"final CR", "a\nb\r", {{"a\n", false}, {"b\r", false}}},
      {"empty lines", "\r\n\n", {{"\n", false}, {"\n", false}}},
      {"header CR LF", "[Progress]\r\n", {{"[Progress]\n", false}}},
      {"NUL and Ctrl-Z", std::string("a\0b\x1a" "c\r\nd", 8),
       {{std::string("a\0b\x1a" "c\n", 6), false}, {"d", false}}},
      {"1023 and 477 bytes", x1023 + Repeat('y', 477) + "\r\n",
       {{x1023, false}, {Repeat('y', 477) + "\n", true}}},
      {"exactly 1023 bytes", x1023 + "\r\nz\n",
       {{x1023, false}, {"\n", true}, {"z\n", false}}},
      {"two cuts", Repeat('x', 2046) + "\n",
       {{x1023, false}, {x1023, true}, {"\n", true}}},
      {"CR LF ends a full piece", x1022 + "\r\nz",
       {{x1022 + "\n", false}, {"z", false}}},
      {"lone CR ends a full piece", x1022 + "\rz\n",
       {{x1022 + "\r", false}, {"z\n", true}}},
      {"CR at the end of a full piece and file", x1022 + "\r",
       {{x1022 + "\r", false}}},
      // 655 lines of 100 bytes and 35 more: the CR is the last byte of the
      // first 64 KiB read, its LF the first of the next.
      {"CR LF split across reads", Filler(655) + Repeat('b', 35) + "\r\nc\n",
       Concat(FillerPieces(655),
              {{Repeat('b', 35) + "\n", false}, {"c\n", false}})},
      // The same, where the CR also fills a piece.
      {"CR LF split across reads at a full piece",
       Filler(645) + Repeat('c', 12) + "\n" + x1022 + "\r\nd\n",
       Concat(FillerPieces(645), {{Repeat('c', 12) + "\n", false},
                                  {x1022 + "\n", false},
                                  {"d\n", false}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadPieces(c.input), c.expected);
  }
}

TEST(TextLineReaderTest, MarkedFiles) {
  const std::string le = "\xFF\xFE", be = "\xFE\xFF";
  auto L = [](const std::string& s) { return Utf16(s, false); };
  auto B = [](const std::string& s) { return Utf16(s, true); };
  const std::string x1023 = std::string(1023, 'x');
  struct Case {
    const char* name;
    std::string input;
    TextEncoding encoding;
    std::vector<Piece> expected;
  } cases[] = {
      {"UTF-16LE", le + L("[A]\r\nb\nc\rd"), kUtf16Le,
       {{L("[A]\n"), false}, {L("b\n"), false}, {L("c\rd"), false}}},
      {"UTF-16BE", be + B("[A]\r\nb\n"), kUtf16Be,
       {{B("[A]\n"), false}, {B("b\n"), false}}},
      {"UTF-16 CR CR LF", le + L("a\r\r\n"), kUtf16Le, {{L("a\r\n"), false}}},
      {"UTF-16 bytes that only look like CR LF", le + "\r\n\n\r", kUtf16Le,
       {{"\r\n\n\r", false}}},
      {"UTF-16 cut at 1023 characters", le + L(x1023 + "z\r\n"), kUtf16Le,
       {{L(x1023), false}, {L("z\n"), true}}},
      {"UTF-16 odd last byte", le + L("a\n") + "b", kUtf16Le,
       {{L("a\n"), false}, {"b", false}}},
      {"UTF-16 odd last byte after a line", le + L("a") + "b", kUtf16Le,
       {{L("a"), false}, {"b", false}}},
      {"UTF-16 lone surrogate", le + "\x00\xD8" + L("\n"), kUtf16Le,
       {{"\x00\xD8" + L("\n"), false}}},
      {"UTF-16 mark alone", le, kUtf16Le, {}},
      {"UTF-8 mark", "\xEF\xBB\xBF[Progress]\r\n", kUtf8Marked,
       {{"[Progress]\n", false}}},
      {"half a UTF-8 mark", "\xEF\xBB\n", kEightBit, {{"\xEF\xBB\n", false}}},
      {"one byte", "\xFF", kEightBit, {{"\xFF", false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEncoding encoding;
    EXPECT_EQ(ReadPieces(c.input, &encoding), c.expected);
    EXPECT_EQ(encoding, c.encoding);
  }
}

TEST(TextLineReaderTest, OpenFailsForMissingFileAndFolder) {
  TempFolder folder;
  TextLineReader reader;
  EXPECT_FALSE(reader.Open((folder / "missing").c_str()));
  EXPECT_FALSE(reader.Open(folder.path().c_str()));
}

}  // namespace
