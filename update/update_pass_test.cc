#include "update/update_pass.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "text/file_fault.h"
#include "text/test_util.h"

namespace {

using namespace std::string_literals;

const RewriteRule kRules[] = {{"k=1\n", "k=one\n", "k changed.\n"}};
const UpdateTarget kTarget = {
    "game.ini",
    "game.ini.bak",
    {"announce\n", "not found\n", "found\n", "backup failed\n",
     "backup read failed\n", "backup write failed\n", "backup done\n",
     "reopen failed\n", "write failed\n", "restored\n", "not restored\n", "success\n",
     "no change\n"},
    "[S]\n",
    kRules,
    1,
};

// Runs the pass in the working folder; gives its result and its log.
PassResult RunInFolder(std::string* log) {
  PassResult result;
  {
    TextLineWriter writer;
    EXPECT_TRUE(writer.Open("pass.log"));
    result = RunPass(kTarget, &writer);
    InjectFileFault(0, false);
    EXPECT_TRUE(writer.Close());
  }
  *log = ReadBytes("pass.log");
  return result;
}

TEST(RunPassTest, BacksUpAndRewrites) {
  const std::string long_line = std::string(1023, 'x') + "[S]\nk=1";
  struct Case {
    const char* name;
    std::string input;
    std::string output;
    const char* log;
  } cases[] = {
      {"empty file", "", "", "no change\n"},
      {"no section", "k=1\n[T]\nk=1\n", "k=1\r\n[T]\r\nk=1\r\n", "no change\n"},
      {"a change", "[S]\nk=1\nk=2\n", "[S]\r\nk=one\r\nk=2\r\n",
       "k changed.\nsuccess\n"},
      {"CR LF file", "[S]\r\nk=1\r\n", "[S]\r\nk=one\r\n",
       "k changed.\nsuccess\n"},
      {"the tail of a long line is no header", "[T]\n" + long_line + "\n",
       Crlf("[T]\n" + long_line + "\n"), "no change\n"},
      // The first read holds 64 KiB: a header that begins the second, and
      // a CR LF split between them.
      {"header first in a read", std::string(65535, 'x') + "\n[S]\nk=1\n",
       std::string(65535, 'x') + "\r\n[S]\r\nk=one\r\n",
       "k changed.\nsuccess\n"},
      {"CR LF across reads", std::string(65535, 'x') + "\r\n[S]\nk=1\n",
       std::string(65535, 'x') + "\r\n[S]\r\nk=one\r\n",
       "k changed.\nsuccess\n"},
      {"UTF-16LE", "\xFF\xFE" + Utf16("[S]\nk=1\n", false),
       "\xFF\xFE" + Utf16("[S]\r\nk=one\r\n", false), "k changed.\nsuccess\n"},
      {"UTF-16BE", "\xFE\xFF" + Utf16("[S]\r\nk=1\r\n", true),
       "\xFE\xFF" + Utf16("[S]\r\nk=one\r\n", true), "k changed.\nsuccess\n"},
      {"UTF-8 mark before the header", "\xEF\xBB\xBF[S]\nk=1\n",
       "\xEF\xBB\xBF[S]\r\nk=one\r\n", "k changed.\nsuccess\n"},
      {"bytes round-trip", "[S]\n\0k=1\n\x1a\r\xff\n"s,
       "[S]\r\n\0k=1\r\n\x1a\r\xff\r\n"s, "no change\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedTempWorkingFolder folder;
    WriteBytes("game.ini", c.input);
    WriteBytes("game.ini.bak", "an older backup\n");
    std::string log;
    EXPECT_EQ(RunInFolder(&log), kPassDone);
    EXPECT_EQ(log, Crlf(std::string("announce\nfound\nbackup done\n") + c.log));
    EXPECT_EQ(ReadBytes("game.ini"), c.output);
  }
}

TEST(RunPassTest, BackupIsTheCrLfFormOfTheTarget) {
  ScopedTempWorkingFolder folder;
  WriteBytes("game.ini", "[S]\nk=1\r\nz");
  std::string log;
  EXPECT_EQ(RunInFolder(&log), kPassDone);
  EXPECT_EQ(ReadBytes("game.ini.bak"), "[S]\r\nk=1\r\nz");
}

TEST(RunPassTest, StopsWhenAFileDoesNotOpen) {
  struct Case {
    const char* name;
    bool target;          // The target file is there.
    const char* folder;   // A folder of this name is there.
    const char* log;
  } cases[] = {
      {"missing target", false, nullptr, "announce\nnot found\n"},
      {"target is a folder", false, "game.ini", "announce\nnot found\n"},
      {"backup is a folder", true, "game.ini.bak",
       "announce\nfound\nbackup failed\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedTempWorkingFolder folder;
    if (c.target)
      WriteBytes("game.ini", "[S]\nk=1\n");
    if (c.folder)
      std::filesystem::create_directory(c.folder);
    std::string log;
    EXPECT_EQ(RunInFolder(&log), kPassStop);
    EXPECT_EQ(log, Crlf(c.log));
    EXPECT_FALSE(std::filesystem::is_regular_file("game.ini.bak"));
    if (c.target) {
      EXPECT_EQ(ReadBytes("game.ini"), "[S]\nk=1\n");
    }
  }
}

// Fails every file operation of a pass in turn, one at a time and from
// there on, and checks that no byte of the game file is ever lost.
TEST(RunPassTest, NoFailureLosesTheGameFile) {
  // Bigger than one read, so that the copy and the rewrite read and write
  // more than once.
  std::string original = "[S]\nk=1\n";
  for (int i = 0; i < 1000; ++i)
    original += "line " + std::to_string(i) + " of the game file\n";
  const std::string crlf = Crlf(original);
  const std::string rewritten = Crlf("[S]\nk=one\n") + crlf.substr(10);
  const std::string old_backup = "an older backup\n";

  std::set<std::string> stops;
  for (bool sticky : {false, true}) {
    for (long n = 1;; ++n) {
      SCOPED_TRACE((sticky ? "from operation " : "operation ") +
                   std::to_string(n));
      ScopedTempWorkingFolder folder;
      WriteBytes("game.ini", original);
      WriteBytes("game.ini.bak", old_backup);
      std::string log;
      PassResult result;
      {
        TextLineWriter writer;
        ASSERT_TRUE(writer.Open("pass.log"));
        // The log is spared: the whole run's test fails it too.
        InjectFileFault(n, sticky, "pass.log");
        result = RunPass(kTarget, &writer);
        bool reached = FileOperationCount() >= n;
        InjectFileFault(0, false);
        EXPECT_TRUE(writer.Close());
        log = ReadBytes("pass.log");
        if (!reached) {
          EXPECT_EQ(result, kPassDone);
          EXPECT_TRUE(ReadBytes("game.ini") == rewritten);
          EXPECT_TRUE(ReadBytes("game.ini.bak") == crlf);
          break;
        }
      }
      std::string target = ReadBytes("game.ini");
      std::string backup = ReadBytes("game.ini.bak");
      if (result == kPassDone) {
        // Only releasing a file that was read can fail unnoticed.
        EXPECT_TRUE(target == rewritten);
        EXPECT_TRUE(backup == crlf);
        continue;
      }
      std::string last = log.substr(log.rfind('\n', log.size() - 3) + 1);
      stops.insert(last);
      SCOPED_TRACE("stopped with " + last);
      // Whatever the target holds, the original content is there in full.
      if (last == "restored\r\n") {
        EXPECT_TRUE(target == crlf);
      } else if (last != "not restored\r\n") {
        EXPECT_TRUE(target == original);
      }
      bool rewriting = last == "reopen failed\r\n" ||
                       last == "write failed\r\n" || last == "restored\r\n" ||
                       last == "not restored\r\n";
      if (rewriting) {
        EXPECT_TRUE(backup == crlf);
      }
      EXPECT_EQ(log.find("success"), std::string::npos);
      EXPECT_EQ(log.find("no change"), std::string::npos);
    }
  }
  EXPECT_EQ(stops, (std::set<std::string>{
                       "not found\r\n", "backup failed\r\n",
                       "backup read failed\r\n", "backup write failed\r\n",
                       "reopen failed\r\n", "write failed\r\n", "restored\r\n",
                       "not restored\r\n"}));
}

}  // namespace
