#include "driver/update_run.h"

#include <stdio.h>

#include "driver/working_folder.h"
#include "text/line_writer.h"
#include "update/targets.h"
#include "update/update_pass.h"

const char kUpdateLogName[] = "Korvane_V12_Update.log";

static const char kOpeningLines[] =
    "Korvane_V12_Update Started.\n"
    "\n"
    "This program will change the LOTD.ini file to have\n"
    "the Korvane_V12 override player controller class as\n"
    "the default.  It will also change the Engine.int file\n"
    "to display more meaningful messages during file download.\n"
    "\n";

static const UpdateTarget* const kTargets[] = {&kLotdIniTarget,
                                               &kEngineIntTarget};

/// Writes |before|, the folder argument as plain bytes and |after|.
static void WriteFolderLine(TextLineWriter* log, const char* before,
                            const char* folder, const char* after) {
  log->Write(before);
  log->Write(folder);
  log->Write(after);
}

int RunUpdate(const char* folder) {
  // An empty argument names no folder to change to: the run stays where it
  // was started.
  bool folder_set = !folder || !*folder || SetWorkingFolder(folder);

  TextLineWriter log;
  if (!log.Open(kUpdateLogName)) {
    fputs("Korvane_V12_Update: could not create Korvane_V12_Update.log. "
          "Exiting...\n",
          stderr);
    return 1;
  }
  // A failed write to the log doesn't stop the run: the log is the report,
  // the game files are the data, and the exit status still tells what
  // happened to them.
  log.Write(kOpeningLines);
  if (folder && !folder_set) {
    // Going on would edit the files of a folder the caller did not name.
    WriteFolderLine(&log, "Could not set working directory to ", folder,
                    ". Exiting...\n");
    log.Close();
    return 1;
  }
  if (folder)
    WriteFolderLine(&log, "Working directory set to ", folder, "\n");
  log.Flush();

  for (const UpdateTarget* target : kTargets) {
    if (RunPass(*target, &log) == kPassStop) {
      log.Close();
      return 1;
    }
  }
  log.Write("\n\nExiting...\n");
  log.Close();
  return 0;
}
