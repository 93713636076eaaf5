#pragma once

#include "StaircaseShots.h"

// The update window after it found an update on a local server: the information file's
// lines, the download and the checks passed, the update program ready to start; and the
// proxy dialog.
bool takeUpdateShots(const QDir& output, const SaveWindow& save);
