#include "driver/update_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "text/file_fault.h"
#include "text/test_util.h"

namespace {

// LF line ends, so that a file rebuilt from its backup differs from the
// original; CR LF in the other.
const std::string kLotd =
    "[URL]\nMap=Entry.lotd\n[AdvancedEngine.AdvancedGameInfo]\n"
    "OverridePlayerControllerClass=Class'Korvane_V11.ZPlayerController'\n"
    "MaxPlayers=4\n";
const std::string kLotdUpdated = Crlf(
    "[URL]\nMap=Entry.lotd\n[AdvancedEngine.AdvancedGameInfo]\n"
    "OverridePlayerControllerClass=Class'Korvane_V12.ZPlayerController'\n"
    "MaxPlayers=4\n");
const std::string kEngine = Crlf(
    "[Progress]\nReceiveFile=\nReceiveOptionalFile=\n"
    "ReceiveSize=Downloading Map: Size %iK, Complete %3.1f%%\n");
const std::string kEngineUpdated = Crlf(
    "[Progress]\nReceiveFile=Downloading File %s\n"
    "ReceiveOptionalFile=Downloading Optional Package %s\n"
    "ReceiveSize=Downloading: Size %iK, Complete %3.1f%%\n");

struct GameFile {
  const char* name;
  std::string original;
  std::string backup;  // The original with CR LF line ends.
  std::string updated;
};
const GameFile kGameFiles[] = {
    {"LOTD.ini", kLotd, Crlf(kLotd), kLotdUpdated},
    {"Engine.int", kEngine, kEngine, kEngineUpdated}};

std::string LastLine(const std::string& log) {
  if (log.size() < 2)
    return log;
  size_t start = log.rfind('\n', log.size() - 2);
  return start == std::string::npos ? log : log.substr(start + 1);
}

/// Checks that no byte of |file| is lost. With |log_fails|, writes to the
/// log fail too, and it can't tell what became of the file.
void ExpectNothingLost(const GameFile& file, const std::string& log,
                       bool log_fails) {
  SCOPED_TRACE(file.name);
  std::string content = ReadBytes(file.name);
  std::string backup = ReadBytes(std::string(file.name) + ".bak");
  if (content == file.original)
    return;
  if (content == file.updated || content == file.backup) {
    // Rewritten, or restored from the backup: the backup is complete.
    EXPECT_TRUE(backup == file.backup);
    return;
  }
  // Only when the log says so may the file be incomplete, and then its
  // backup is complete.
  if (!log_fails) {
    EXPECT_NE(log.find("Could not write " + std::string(file.name) +
                     "; its original content is in"),
            std::string::npos);
  }
  EXPECT_TRUE(backup == file.backup);
}

bool IsLog(const FailedOperation& op) { return op.path == kUpdateLogName; }

/// A failed close of a file that was only read changes nothing.
bool IsHarmless(const FailedOperation& op) {
  return op.operation == kClose && op.opened_for_reading;
}

// Runs the whole update with each file operation failing in turn: first one
// at a time, then every operation from the Nth on.
TEST(UpdateRunTest, NoFailedFileOperationLosesAByte) {
  for (bool sticky : {false, true}) {
    for (long n = 1;; ++n) {
      SCOPED_TRACE((sticky ? "from operation " : "operation ") +
                   std::to_string(n));
      ScopedTempWorkingFolder folder;
      for (const GameFile& file : kGameFiles)
        WriteBytes(file.name, file.original);
      InjectFileFault(n, sticky);
      int status = RunUpdate(nullptr);
      bool reached = FileOperationCount() >= n;
      std::vector<FailedOperation> failed = FailedFileOperations();
      InjectFileFault(0, false);
      std::string log = ReadBytes(kUpdateLogName);
      if (!reached) {
        EXPECT_EQ(status, 0);
        EXPECT_EQ(LastLine(log), "Exiting...\r\n");
        for (const GameFile& file : kGameFiles)
          EXPECT_TRUE(ReadBytes(file.name) == file.updated) << file.name;
        break;
      }
      for (const GameFile& file : kGameFiles)
        ExpectNothingLost(file, log, sticky);

      bool log_open_failed = IsLog(failed[0]) && failed[0].operation == kOpenForWriting;
      bool game_file_failed = false;
      for (const FailedOperation& op : failed)
        game_file_failed |= !IsLog(op) && !IsHarmless(op);
      EXPECT_EQ(status, game_file_failed || log_open_failed ? 1 : 0);
      if (log_open_failed) {
        EXPECT_FALSE(std::filesystem::exists("LOTD.ini.bak"));
      }
      if (!game_file_failed) {
        for (const GameFile& file : kGameFiles) {
          if (!log_open_failed) {
            EXPECT_TRUE(ReadBytes(file.name) == file.updated) << file.name;
          }
        }
      } else if (!sticky) {
        // The log names the file and the step that failed.
        std::string last = LastLine(log);
        std::string name = failed[0].path.substr(0, failed[0].path.find(".bak"));
        EXPECT_NE(last.find(name), std::string::npos) << last;
        EXPECT_EQ(last.find("Could not"), 0u) << last;
      }
    }
  }
}

}  // namespace
