#pragma once

#include <QDir>
#include <QString>

#include <functional>

class QWidget;

// Shows a window and writes its picture to a file; false when it could not be written.
using SaveWindow = std::function<bool(QWidget&, const QString&)>;

// The pictures of the bracket view: the worked example of a staggered-entry draw of 64,
// a line-start draw of 64 with seeds and qualifiers and the wizard that leads to it, and a
// line-start draw of 1024, and the properties dialog.
bool takeBracketShots(const QDir& output, const QString& dataDirectory, const SaveWindow& save);
