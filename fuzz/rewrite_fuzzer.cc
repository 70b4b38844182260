// Runs the backup and rewrite pass of both targets over one file: the pass
// is done, the backup is the file with CR LF line ends, and the rewrite
// differs from it only where a rule's line stood in the rule's section.

#include <stddef.h>
#include <stdint.h>

#include <filesystem>
#include <string>

#include "fuzz/fuzz_util.h"
#include "fuzz/text_model.h"
#include "text/line_writer.h"
#include "text/test_util.h"
#include "update/targets.h"
#include "update/update_pass.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedTempWorkingFolder folder;
  const std::string file(reinterpret_cast<const char*>(data), size);
  for (const UpdateTarget* target : {&kLotdIniTarget, &kEngineIntTarget}) {
    WriteBytes(target->file_name, file);
    TextLineWriter log;
    Check(log.Open("fuzz.log"), "open the log");
    Check(RunPass(*target, &log) == kPassDone, "pass done");
    log.Close();
    Check(ReadBytes(target->backup_name) == ModelCopy(file), "backup");
    Check(ReadBytes(target->file_name) == ModelRewrite(file, *target),
          "rewrite");
  }
  return 0;
}
