#pragma once

#include <QFileDevice>
#include <QString>

// A French description of why a file operation failed, followed by the system's own
// words in parentheses for whoever has to diagnose it.
class FileErrorText {
public:
    static QString describe(const QFileDevice& file);
};
