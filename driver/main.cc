#include "driver/update_run.h"

// Korvane_V12_Update [folder]: updates the game files in |folder|, or in the
// working folder when none is given. Further arguments are ignored.
int main(int argc, char** argv) {
  return RunUpdate(argc > 1 ? argv[1] : nullptr);
}
