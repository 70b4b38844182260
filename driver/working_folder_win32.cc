#include "driver/working_folder.h"

#include <windows.h>

bool SetWorkingFolder(const char* folder) {
  return SetCurrentDirectoryA(folder) != 0;
}
