#pragma once

#include <QString>

class QIODevice;

// Reads a text file one line at a time, each line at most maxLineLength bytes and the
// whole at most maxBytes, so that a file of any size or content costs a bounded amount
// of memory. Lines end with LF, CR LF or a lone CR; bytes are Windows-1252.
class TextLineReader {
public:
    enum class Status {
        Line,
        End,      // no byte left: the line is empty
        TooLong,  // the line is longer than maxLineLength
        Foreign,  // the line holds bytes no text file holds (a binary file)
        TooLarge  // more than maxBytes were read
    };

    TextLineReader(QIODevice& device, int maxLineLength, qint64 maxBytes);

    Status next(QString& line);
    // The number of the line last read, from 1.
    int lineNumber() const { return lineNumber_; }
    // Why the line last read was refused, as a French clause ("la ligne 3 dépasse ...").
    QString reason(Status status) const;

private:
    bool take(char& c);

    QIODevice& device_;
    int maxLineLength_;
    qint64 maxBytes_;
    qint64 read_ = 0;
    int lineNumber_ = 0;
};
