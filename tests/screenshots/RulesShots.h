#pragma once

#include "BracketShots.h"

// The picture of a checked draw: a draw of 16 with broken rules and recommendations
// marked on the bracket, the banner shown.
bool takeRulesShots(const QDir& output, const QString& dataDirectory, const SaveWindow& save);
