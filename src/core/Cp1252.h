#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 character set of the files the program shares with others
// (simulation input, ranking order list). Every byte decodes (the five bytes the set
// leaves undefined become the control characters of the same code, as on Windows);
// a character the set cannot hold is written as "?".
class Cp1252 {
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
    // True for the bytes a text file of ours never holds: controls other than tab, CR
    // and LF, and the five bytes the set leaves undefined.
    static bool isForeignByte(unsigned char byte);
};
