#pragma once

#include <QDir>
#include <QString>

#include <functional>

class QWidget;

// Shows a window and writes its picture to a file; false when it could not be written.
using SaveWindow = std::function<bool(QWidget&, const QString&)>;

// The pictures of a staggered-entry draw: the wizard after its search and the staircase
// view it opens, for twelve rankings with qualifiers coming in and going out.
bool takeStaircaseShots(const QDir& output, const SaveWindow& save);

// The staircase view halfway through a staircase entered by hand from "&Escalier".
bool takeEntryShot(const QDir& output, const SaveWindow& save);
