#ifndef KORVANE_UPDATE_TARGETS_H_
#define KORVANE_UPDATE_TARGETS_H_

#include "update/update_target.h"

/// "LOTD.ini": switches the player controller override to Korvane_V12.
extern const UpdateTarget kLotdIniTarget;

/// "Engine.int": sets the download progress messages.
extern const UpdateTarget kEngineIntTarget;

#endif  // KORVANE_UPDATE_TARGETS_H_
