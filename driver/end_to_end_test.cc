// Runs the built program on temporary game folders and compares the log,
// the game files, the backups, the console and the exit status byte for byte.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "text/test_util.h"

namespace fs = std::filesystem;

namespace {

std::string Replace(std::string text, const std::string& from,
                    const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos)
    text.replace(at, from.size(), to);
  return text;
}

const char kOpening[] =
    "Korvane_V12_Update Started.\n"
    "\n"
    "This program will change the LOTD.ini file to have\n"
    "the Korvane_V12 override player controller class as\n"
    "the default.  It will also change the Engine.int file\n"
    "to display more meaningful messages during file download.\n"
    "\n";
const char kLotdFound[] =
    "\n\nUpdating LOTD.ini file...\n\n"
    "LOTD.ini file found and opened.  Attempting to create backup file to "
    "LOTD.ini.bak.\n";
const char kLotdBackedUp[] =
    "LOTD.ini.bak file created.  Attempting to change LOTD.ini file.\n";
const char kEngineFound[] =
    "\n\nUpdating Engine.int file...\n\n\n"
    "Engine.int file found and opened.  Attempting to create backup file to "
    "Engine.int.bak.\n";
const char kEngineBackedUp[] =
    "Engine.int.bak file created.  Attempting to change Engine.int file.\n";
const char kLotdChanged[] =
    "Override Player Controller class changed.\n"
    "File successfully changed.\n";
const char kEngineChanged[] =
    "ReceiveFile= parameter changed.\n"
    "ReceiveOptionalFile= parameter changed.\n"
    "ReceiveSize= parameter changed.\n"
    "File successfully changed.\n";
const char kExiting[] = "\n\nExiting...\n";

// The log of a run that processes both files, after the opening lines.
const std::string kBothChanged = std::string(kLotdFound) + kLotdBackedUp +
                                 kLotdChanged + kEngineFound + kEngineBackedUp +
                                 kEngineChanged + kExiting;
const std::string kNoneChanged =
    std::string(kLotdFound) + kLotdBackedUp + "No entry was found to change.\n" +
    kEngineFound + kEngineBackedUp +
    "No entry was found to change. Exiting...\n" + kExiting;

std::string WorkingFolderLine(const std::string& folder) {
  return "Working directory set to " + folder + "\n";
}

/// The wrapper that runs the Windows program under Wine; null for the
/// native program.
const char* WineRunner() { return getenv("KORVANE_RUNNER"); }

/// |path| as the Windows program under Wine names it.
std::string WindowsPath(const std::string& path) {
  std::string out = "Z:" + path;
  for (char& c : out) {
    if (c == '/')
      c = '\\';
  }
  return out;
}

struct RunOptions {
  // Run as nobody when root, since root writes read-only files all the same.
  bool drop_privileges = false;
  rlim_t file_size_limit = 0;    // Writes past this size fail; 0: none.
};

struct Outcome {
  int status;
  std::string console;  // Standard output and standard error.
};

/// Runs the program with |args| in the working folder |cwd|.
Outcome RunProgram(const std::vector<std::string>& args, const std::string& cwd,
                   const RunOptions& options = RunOptions()) {
  const char* program = getenv("KORVANE_PROGRAM");
  EXPECT_NE(program, nullptr) << "KORVANE_PROGRAM names the program to test";
  TempFolder scratch;
  std::string console_path = scratch / "console";
  std::vector<std::string> argv;
  if (options.drop_privileges && geteuid() == 0) {
    argv = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
            "--clear-groups"};
  }
  // Under Wine the program is run by a wrapper, which also applies the
  // file size limit (to the program alone, not to the Wine server).
  const char* runner = WineRunner();
  if (runner)
    argv.push_back(runner);
  argv.push_back(program ? fs::absolute(program).string() : "");
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (std::string& a : argv)
    cargv.push_back(&a[0]);
  cargv.push_back(nullptr);

  pid_t pid = fork();
  if (pid == 0) {
    int console = open(console_path.c_str(), O_WRONLY | O_CREAT, 0666);
    dup2(console, 1);
    dup2(console, 2);
    if (chdir(cwd.c_str()) != 0)
      _exit(127);
    if (options.file_size_limit && runner) {
      setenv("KORVANE_FILE_SIZE_LIMIT",
             std::to_string(options.file_size_limit).c_str(), 1);
    } else if (options.file_size_limit) {
      signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit = {options.file_size_limit, options.file_size_limit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execv(cargv[0], cargv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Outcome outcome;
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.console = ReadBytes(console_path);
  if (runner) {
    // Windows writes the console's line ends as CR LF.
    outcome.console.erase(
        std::remove(outcome.console.begin(), outcome.console.end(), '\r'),
        outcome.console.end());
  }
  return outcome;
}

std::string Examples(const std::string& name) {
  const char* folder = getenv("KORVANE_EXAMPLES");
  EXPECT_NE(folder, nullptr) << "KORVANE_EXAMPLES names the sample game";
  return ReadBytes((fs::path(folder ? folder : "") / name).string());
}

const std::string kGameClass =
    "OverridePlayerControllerClass=class'DOTZEngine.DOTZPlayerController'";
const std::string kV12Class =
    "OverridePlayerControllerClass=Class'Korvane_V12.ZPlayerController'";

/// The sample "LOTD.ini" and "Engine.int" as the program leaves them.
std::string UpdatedLotd(const std::string& lotd) {
  return Replace(lotd, kGameClass, kV12Class);
}
std::string UpdatedEngine(const std::string& engine) {
  std::string out = Replace(engine, "ReceiveFile=\r", "ReceiveFile=Downloading File %s\r");
  out = Replace(out, "ReceiveOptionalFile=\r",
                "ReceiveOptionalFile=Downloading Optional Package %s\r");
  return Replace(out, "Downloading Map: Size", "Downloading: Size");
}

class EndToEndTest : public testing::Test {
 protected:
  EndToEndTest()
      : lotd_(Examples("LOTD.ini")), engine_(Examples("Engine.int")) {}

  void WriteGame(const TempFolder& folder) {
    WriteBytes(folder / "LOTD.ini", lotd_);
    WriteBytes(folder / "Engine.int", engine_);
  }
  std::string Read(const std::string& name) { return ReadBytes(game_ / name); }
  bool Exists(const std::string& name) { return fs::exists(game_ / name); }

  /// Checks the files of a run that updated both: targets and backups.
  void ExpectBothUpdated() {
    EXPECT_EQ(Read("LOTD.ini"), UpdatedLotd(lotd_));
    EXPECT_EQ(Read("LOTD.ini.bak"), lotd_);
    EXPECT_EQ(Read("Engine.int"), UpdatedEngine(engine_));
    EXPECT_EQ(Read("Engine.int.bak"), engine_);
  }

  std::string lotd_;
  std::string engine_;
  TempFolder game_;
  TempFolder start_;  // The working folder the program is started in.
};

TEST_F(EndToEndTest, TypicalRunWithFolderArgument) {
  WriteGame(game_);
  Outcome run = RunProgram({game_.path()}, start_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, "");
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(game_.path()) + kBothChanged));
  ExpectBothUpdated();
  EXPECT_FALSE(fs::exists(start_ / "Korvane_V12_Update.log"));
}

TEST_F(EndToEndTest, TypicalRunInTheWorkingFolder) {
  WriteGame(game_);
  Outcome run = RunProgram({}, game_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, "");
  EXPECT_EQ(Read("Korvane_V12_Update.log"), Crlf(kOpening + kBothChanged));
  ExpectBothUpdated();
}

TEST_F(EndToEndTest, FurtherArgumentsAreIgnored) {
  WriteGame(game_);
  WriteGame(start_);
  Outcome run = RunProgram({game_.path(), start_.path(), "x"}, start_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(game_.path()) + kBothChanged));
  ExpectBothUpdated();
  EXPECT_EQ(ReadBytes(start_ / "LOTD.ini"), lotd_);
  EXPECT_FALSE(fs::exists(start_ / "LOTD.ini.bak"));
}

TEST_F(EndToEndTest, EmptyArgumentKeepsTheStartFolder) {
  WriteGame(game_);
  Outcome run = RunProgram({""}, game_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine("") + kBothChanged));
  ExpectBothUpdated();
}

TEST_F(EndToEndTest, SecondRunChangesNothing) {
  WriteGame(game_);
  ASSERT_EQ(RunProgram({game_.path()}, start_.path()).status, 0);
  Outcome run = RunProgram({game_.path()}, start_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(game_.path()) + kNoneChanged));
  EXPECT_EQ(Read("LOTD.ini"), UpdatedLotd(lotd_));
  EXPECT_EQ(Read("LOTD.ini.bak"), UpdatedLotd(lotd_));
  EXPECT_EQ(Read("Engine.int"), UpdatedEngine(engine_));
  EXPECT_EQ(Read("Engine.int.bak"), UpdatedEngine(engine_));
}

TEST_F(EndToEndTest, MarkedGameFiles) {
  // Each file keeps its mark and its encoding; the log stays 8-bit.
  struct Case {
    const char* name;
    std::string mark;
    bool utf16;
    bool big_endian;
  } cases[] = {
      {"UTF-16LE", "\xFF\xFE", true, false},
      {"UTF-16BE", "\xFE\xFF", true, true},
      {"UTF-8 with mark", "\xEF\xBB\xBF", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto encode = [&c](const std::string& text) {
      return c.mark + (c.utf16 ? Utf16(text, c.big_endian) : text);
    };
    TempFolder game;
    WriteBytes(game / "LOTD.ini", encode(lotd_));
    WriteBytes(game / "Engine.int", encode(engine_));
    Outcome run = RunProgram({game.path()}, start_.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadBytes(game / "Korvane_V12_Update.log"),
              Crlf(kOpening + WorkingFolderLine(game.path()) + kBothChanged));
    EXPECT_EQ(ReadBytes(game / "LOTD.ini"), encode(UpdatedLotd(lotd_)));
    EXPECT_EQ(ReadBytes(game / "LOTD.ini.bak"), encode(lotd_));
    EXPECT_EQ(ReadBytes(game / "Engine.int"), encode(UpdatedEngine(engine_)));
    EXPECT_EQ(ReadBytes(game / "Engine.int.bak"), encode(engine_));
  }
}

TEST_F(EndToEndTest, LineEndsAndLongLines) {
  // LF line ends come back as CR LF; NUL and Ctrl-Z pass through; the tail
  // of a cut line that looks like a header or a rule's line is left alone.
  const std::string filler(1023, 'x');
  WriteBytes(game_ / "LOTD.ini",
             "[AdvancedEngine.AdvancedGameInfo]\n" + filler + kGameClass +
                 "\n" + kGameClass + "\n" + std::string("a\0\x1a", 3));
  WriteBytes(game_ / "Engine.int",
             "[Progress]\nNetReceiving=" + filler + "[Errors]\nReceiveFile=\n");
  Outcome run = RunProgram({game_.path()}, start_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Read("LOTD.ini"), "[AdvancedEngine.AdvancedGameInfo]\r\n" + filler +
                                  kGameClass + "\r\n" + kV12Class + "\r\n" +
                                  std::string("a\0\x1a", 3));
  EXPECT_EQ(Read("Engine.int"), "[Progress]\r\nNetReceiving=" + filler +
                                    "[Errors]\r\nReceiveFile=Downloading File %s\r\n");
  EXPECT_EQ(Read("Engine.int.bak"),
            "[Progress]\r\nNetReceiving=" + filler + "[Errors]\r\nReceiveFile=\r\n");
}

TEST_F(EndToEndTest, EarlyStops) {
  enum State { kAbsent, kOriginal, kUpdated };
  struct Case {
    const char* name;
    State lotd;    // Before the run: kAbsent or kOriginal; after it: as given.
    State engine;  // The same for "Engine.int".
    const char* folder_name;  // Made a folder in the game folder.
    std::string log;
  } cases[] = {
      {"no game file", kAbsent, kAbsent, nullptr,
       std::string(kLotdFound, 0, 29) + "Could not find LOTD.ini file. Exiting...\n"},
      {"no Engine.int", kUpdated, kAbsent, nullptr,
       std::string(kLotdFound) + kLotdBackedUp + kLotdChanged +
           std::string(kEngineFound, 0, 32) +
           "Could not find Engine.int file. Exiting...\n"},
      {"LOTD.ini is a folder", kAbsent, kOriginal, "LOTD.ini",
       std::string(kLotdFound, 0, 29) + "Could not find LOTD.ini file. Exiting...\n"},
      {"LOTD.ini.bak is a folder", kOriginal, kOriginal, "LOTD.ini.bak",
       std::string(kLotdFound) +
           "Could not open LOTD.ini.bak to create backup file. Exiting...\n"},
      {"Engine.int.bak is a folder", kUpdated, kOriginal, "Engine.int.bak",
       std::string(kLotdFound) + kLotdBackedUp + kLotdChanged + kEngineFound +
           "Could not open Engine.int.bak to create backup file. Exiting...\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder game;
    if (c.lotd != kAbsent)
      WriteBytes(game / "LOTD.ini", lotd_);
    if (c.engine != kAbsent)
      WriteBytes(game / "Engine.int", engine_);
    if (c.folder_name)
      fs::create_directory(game / c.folder_name);
    Outcome run = RunProgram({game.path()}, start_.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.console, "");
    EXPECT_EQ(ReadBytes(game / "Korvane_V12_Update.log"),
              Crlf(kOpening + WorkingFolderLine(game.path()) + c.log));
    if (c.lotd != kAbsent) {
      EXPECT_EQ(ReadBytes(game / "LOTD.ini"),
                c.lotd == kUpdated ? UpdatedLotd(lotd_) : lotd_);
    }
    EXPECT_EQ(fs::is_regular_file(game / "LOTD.ini.bak"), c.lotd == kUpdated);
    if (c.engine != kAbsent) {
      EXPECT_EQ(ReadBytes(game / "Engine.int"), engine_);
    }
    EXPECT_FALSE(fs::is_regular_file(game / "Engine.int.bak"));
  }
}

TEST_F(EndToEndTest, ReadOnlyTarget) {
  WriteGame(game_);
  fs::permissions(game_.path(), fs::perms::all);
  if (WineRunner()) {
    // The Windows read-only attribute; Wine keeps it as the file's write
    // bits, which root ignores as on Linux.
    std::string attrib = std::string(WineRunner()) + " attrib +r '" +
                         WindowsPath(game_ / "LOTD.ini") + "'";
    ASSERT_EQ(std::system(attrib.c_str()), 0);
  } else {
    fs::permissions(game_ / "LOTD.ini",
                    fs::perms::owner_read | fs::perms::group_read |
                        fs::perms::others_read);
  }
  ASSERT_EQ(fs::status(game_ / "LOTD.ini").permissions() & fs::perms::owner_write,
            fs::perms::none);
  RunOptions as_nobody;
  as_nobody.drop_privileges = true;
  Outcome run = RunProgram({game_.path()}, start_.path(), as_nobody);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(game_.path()) + kLotdFound +
                 kLotdBackedUp + "Could not open LOTD.ini for writing.\n"));
  EXPECT_EQ(Read("LOTD.ini"), lotd_);
  EXPECT_EQ(Read("LOTD.ini.bak"), lotd_);
  EXPECT_FALSE(Exists("Engine.int.bak"));
}

TEST_F(EndToEndTest, FullDiskWhileWritingTheBackup) {
  // A game file larger than the limit: its backup can't be written whole.
  std::string big = lotd_;
  while (big.size() < 8192)
    big += "; padding to make the file large\r\n";
  WriteBytes(game_ / "LOTD.ini", big);
  WriteBytes(game_ / "Engine.int", engine_);
  RunOptions limited;
  limited.file_size_limit = 4096;
  Outcome run = RunProgram({game_.path()}, start_.path(), limited);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(game_.path()) + kLotdFound +
                 "Could not write LOTD.ini.bak to create backup file. "
                 "Exiting...\n"));
  EXPECT_EQ(Read("LOTD.ini"), big);
  EXPECT_EQ(Read("Engine.int"), engine_);
}

TEST_F(EndToEndTest, FullDiskWhileWritingTheTarget) {
  // The rewritten "Engine.int" is longer than the original; the limit lets
  // the backup through but not the rewrite, and the backup is put back. The
  // file is larger than the log, which the limit must let through too.
  while (engine_.size() < 4096)
    engine_ += "; padding to make the file large\r\n";
  WriteGame(game_);
  RunOptions limited;
  limited.file_size_limit = engine_.size();
  Outcome run = RunProgram({game_.path()}, start_.path(), limited);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Read("Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(game_.path()) + kLotdFound +
                 kLotdBackedUp + kLotdChanged + kEngineFound + kEngineBackedUp +
                 "ReceiveFile= parameter changed.\n"
                 "ReceiveOptionalFile= parameter changed.\n"
                 "ReceiveSize= parameter changed.\n"
                 "Could not write Engine.int; it was restored from "
                 "Engine.int.bak. Exiting...\n"));
  EXPECT_EQ(Read("Engine.int"), engine_);
  EXPECT_EQ(Read("Engine.int.bak"), engine_);
  EXPECT_EQ(Read("LOTD.ini"), UpdatedLotd(lotd_));
}

TEST_F(EndToEndTest, FolderThatCannotBeEnteredStopsTheRun) {
  // Game files in the start folder prove that no game file is touched.
  WriteGame(start_);
  const std::string long_name(5000, 'd');
  struct Case {
    const char* name;
    std::string folder;
  } cases[] = {
      {"missing folder", game_ / "missing"},
      {"a file", game_ / "file"},
      {"a name longer than any buffer", long_name},
  };
  WriteBytes(game_ / "file", "");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Outcome run = RunProgram({c.folder}, start_.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.console, "");
    EXPECT_EQ(ReadBytes(start_ / "Korvane_V12_Update.log"),
              Crlf(std::string(kOpening) + "Could not set working directory to " +
                   c.folder + ". Exiting...\n"));
    EXPECT_EQ(ReadBytes(start_ / "LOTD.ini"), lotd_);
    EXPECT_FALSE(fs::exists(start_ / "LOTD.ini.bak"));
  }
}

TEST_F(EndToEndTest, FolderArgumentIsData) {
  // Format directives in a folder name are written as they stand.
  TempFolder parent;
  const std::string folder = parent / "game %s %n %d %%";
  fs::create_directory(folder);
  WriteBytes(fs::path(folder) / "LOTD.ini", lotd_);
  WriteBytes(fs::path(folder) / "Engine.int", engine_);
  Outcome run = RunProgram({folder}, start_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadBytes(fs::path(folder) / "Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(folder) + kBothChanged));
}

TEST_F(EndToEndTest, QuotesInTheArgumentAreData) {
  // Windows splits its command line by its own rules; a double quote given
  // in an argument comes through as a plain character.
  const std::string folder = "no such \"folder\" \\\" here";
  Outcome run = RunProgram({folder, "second"}, start_.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ReadBytes(start_ / "Korvane_V12_Update.log"),
            Crlf(std::string(kOpening) + "Could not set working directory to " +
                 folder + ". Exiting...\n"));
}

TEST_F(EndToEndTest, WindowsPathArgument) {
  if (!WineRunner())
    GTEST_SKIP() << "for the Windows program only";
  TempFolder parent;
  const std::string folder = parent / "Game Folder";
  fs::create_directory(folder);
  WriteBytes(fs::path(folder) / "LOTD.ini", lotd_);
  WriteBytes(fs::path(folder) / "Engine.int", engine_);
  Outcome run = RunProgram({WindowsPath(folder)}, start_.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, "");
  EXPECT_EQ(ReadBytes(fs::path(folder) / "Korvane_V12_Update.log"),
            Crlf(kOpening + WorkingFolderLine(WindowsPath(folder)) + kBothChanged));
  EXPECT_EQ(ReadBytes(fs::path(folder) / "LOTD.ini"), UpdatedLotd(lotd_));
}

TEST_F(EndToEndTest, NoLogNoRun) {
  WriteGame(game_);
  fs::create_directory(game_ / "Korvane_V12_Update.log");
  Outcome run = RunProgram({game_.path()}, start_.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.console,
            "Korvane_V12_Update: could not create Korvane_V12_Update.log. "
            "Exiting...\n");
  EXPECT_EQ(Read("LOTD.ini"), lotd_);
  EXPECT_FALSE(Exists("LOTD.ini.bak"));
}

}  // namespace
