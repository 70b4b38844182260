#include "driver/working_folder.h"

#include <unistd.h>

bool SetWorkingFolder(const char* folder) { return chdir(folder) == 0; }
