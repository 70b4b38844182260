#include "text/line_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/file_fault.h"
#include "text/line_reader.h"
#include "text/test_util.h"

namespace {

TEST(TextLineWriterTest, WritesLineFeedsAsCrLf) {
  struct Case {
    const char* name;
    std::vector<std::string> writes;
    std::string expected;
  } cases[] = {
      {"nothing", {}, ""},
      {"lines", {"a\n", "b\n"}, "a\r\nb\r\n"},
      {"no final line feed", {"a\nb"}, "a\r\nb"},
      {"empty lines", {"\n\n", "\n"}, "\r\n\r\n\r\n"},
      {"CR before LF is kept", {"a\r\n"}, "a\r\r\n"},
      {"lone CR", {"a\rb"}, "a\rb"},
      {"percent signs are plain bytes", {"%s %iK %3.1f%%\n"},
       "%s %iK %3.1f%%\r\n"},
      {"NUL and Ctrl-Z", {std::string("a\0\x1a\n", 4)},
       std::string("a\0\x1a\r\n", 5)},
      {"more than the buffer at once",
       {std::string(70000, 'x') + "\n" + std::string(70000, 'y')},
       std::string(70000, 'x') + "\r\n" + std::string(70000, 'y')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    std::string path = folder / "out";
    TextLineWriter writer;
    ASSERT_TRUE(writer.Open(path.c_str()));
    for (const std::string& w : c.writes)
      writer.Write(w.data(), w.size());
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(path), c.expected);
  }
}

TEST(TextLineWriterTest, CopyingPiecesGivesTheCrLfForm) {
  struct Case {
    const char* name;
    std::string input;
    std::string expected;
  } cases[] = {
      {"LF file", "[A]\nk=1\n", "[A]\r\nk=1\r\n"},
      {"CR LF file", "[A]\r\nk=1\r\n", "[A]\r\nk=1\r\n"},
      {"CR CR LF, final CR", "a\r\r\nb\r", "a\r\r\nb\r"},
      {"LF first, lone CR", "\nx\ry\n", "\r\nx\ry\r\n"},
      {"lines that begin with byte FF", "\xff\n\xff", "\xff\r\n\xff"},
      {"CR LF split across reads", std::string(65535, 'a') + "\r\nb\n",
       std::string(65535, 'a') + "\r\nb\r\n"},
      {"LF first in the second read", std::string(65536, 'a') + "\nb",
       std::string(65536, 'a') + "\r\nb"},
      {"long line", std::string(3000, 'x') + "\n" + std::string(1023, 'y'),
       std::string(3000, 'x') + "\r\n" + std::string(1023, 'y')},
      {"binary bytes", std::string("\0\x1a\xff\n\0", 5),
       std::string("\0\x1a\xff\r\n\0", 6)},
      {"UTF-8 mark", "\xEF\xBB\xBF[A]\nk\n", "\xEF\xBB\xBF[A]\r\nk\r\n"},
      {"UTF-16LE", "\xFF\xFE" + Utf16("[A]\nk=1\r\n\r", false),
       "\xFF\xFE" + Utf16("[A]\r\nk=1\r\n\r", false)},
      {"UTF-16BE", "\xFE\xFF" + Utf16("[A]\nk=1\r\n", true),
       "\xFE\xFF" + Utf16("[A]\r\nk=1\r\n", true)},
      {"UTF-16 long line, odd byte, lone surrogate",
       "\xFF\xFE" + Utf16(std::string(2000, 'x') + "\n", false) +
           "\x00\xDC\x0a\x00\x01",
       "\xFF\xFE" + Utf16(std::string(2000, 'x') + "\r\n", false) +
           "\x00\xDC\x0d\x00\x0a\x00\x01"},
  };
  for (const Case& c : cases) {
    // Piece by piece, and in whole buffers with CopyTo().
    for (bool whole : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (whole ? ", CopyTo" : ", pieces"));
      TempFolder folder;
      WriteBytes(folder / "in", c.input);
      TextLineReader reader;
      TextLineWriter writer;
      ASSERT_TRUE(reader.Open((folder / "in").c_str()));
      ASSERT_TRUE(writer.Open((folder / "out").c_str(), reader.encoding()));
      LinePiece piece;
      if (whole) {
        EXPECT_EQ(reader.CopyTo(&writer), TextLineReader::kEnd);
      } else {
        while (reader.Next(&piece) == TextLineReader::kPiece)
          writer.WritePiece(piece);
      }
      EXPECT_TRUE(writer.Close());
      EXPECT_EQ(ReadBytes(folder / "out"), c.expected);
    }
  }
}

TEST(TextLineWriterTest, WritesTextInTheFilesEncoding) {
  struct Case {
    const char* name;
    TextEncoding encoding;
    std::string expected;
  } cases[] = {
      {"8-bit", kEightBit, "k=%s\r\n"},
      {"UTF-8 mark", kUtf8Marked, "\xEF\xBB\xBFk=%s\r\n"},
      {"UTF-16LE", kUtf16Le, "\xFF\xFE" + Utf16("k=%s\r\n", false)},
      {"UTF-16BE", kUtf16Be, "\xFE\xFF" + Utf16("k=%s\r\n", true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    TextLineWriter writer;
    ASSERT_TRUE(writer.Open((folder / "out").c_str(), c.encoding));
    writer.Write("k=%s\n");
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(folder / "out"), c.expected);
  }
}

TEST(TextLineWriterTest, OpenTruncatesAndRefusesFolders) {
  TempFolder folder;
  WriteBytes(folder / "out", "old content\n");
  TextLineWriter writer;
  ASSERT_TRUE(writer.Open((folder / "out").c_str()));
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ(ReadBytes(folder / "out"), "");
  EXPECT_FALSE(writer.Open(folder.path().c_str()));
}

TEST(TextLineWriterTest, ReportsEveryKindOfFailedWrite) {
  // Operations: 1 open, 2 write (at Sync or Close), 3 sync, 4 close.
  struct Case {
    const char* name;
    long failing_operation;
    bool sync;
  } cases[] = {
      {"write at close", 2, false},
      {"close", 3, false},
      {"write at sync", 2, true},
      {"sync", 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    TextLineWriter writer;
    InjectFileFault(c.failing_operation, false);
    ASSERT_TRUE(writer.Open((folder / "out").c_str()));
    writer.Write("line\n");
    bool ok = c.sync ? writer.Sync() : true;
    ok = writer.Close() && ok;
    InjectFileFault(0, false);
    EXPECT_FALSE(ok);
  }
}

}  // namespace
