#ifndef KORVANE_FUZZ_FUZZ_UTIL_H_
#define KORVANE_FUZZ_FUZZ_UTIL_H_

#include <stdio.h>
#include <stdlib.h>

#include <string>

/// Stops the fuzzer with a finding when |ok| is false.
inline void Check(bool ok, const char* what) {
  if (!ok) {
    fprintf(stderr, "invariant broken: %s\n", what);
    abort();
  }
}

#endif  // KORVANE_FUZZ_FUZZ_UTIL_H_
