#pragma once

#include <QString>

// Version numbers as the program and its update server write them. They read the same
// on every system, whatever its decimal separator: "1.05" and "1,05" both mean 1.05, and
// the first number of a text is its version ("Version 1.05 du 12/01/2010" reads as 1.05).
class VersionText {
public:
    // The version of this program, as its update server compares it.
    static QString ProgramText() { return QStringLiteral("Version 1.00"); }
    static double Program() { return Read(ProgramText()); }

    // 0 when the text holds no number: an unreadable version never finds an update.
    static double Read(const QString& text);
};
