#ifndef KORVANE_FUZZ_TEXT_MODEL_H_
#define KORVANE_FUZZ_TEXT_MODEL_H_

#include <string>

#include "update/update_target.h"

// A plain model of how the updater reads, rewrites and writes a file,
// written over the whole file at once, without buffers or streaming, for the
// fuzzers to hold the real code against.

/// What reading |file| and writing every piece back gives: the file with
/// CR LF line ends, in its own encoding, mark kept.
std::string ModelCopy(const std::string& file);

/// What rewriting |file| for |target| gives.
std::string ModelRewrite(const std::string& file, const UpdateTarget& target);

#endif  // KORVANE_FUZZ_TEXT_MODEL_H_
