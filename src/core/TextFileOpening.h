#pragma once

#include <QString>

class QFile;

// Opens a file the program reads (simulation input, ranking order list, settings) only
// when it is a regular file of a bounded size: a directory, a FIFO or a device would
// block or never end, and a huge file would fill the memory. The reason for a refusal is
// a French clause, to follow "Impossible de lire le fichier ... :".
class TextFileOpening {
public:
    enum class Status { Opened, Missing, Refused };

    // Far above any simulation input, ranking order list or settings file of ours.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    static Status open(QFile& file, QString& reason, qint64 maxBytes = MaxBytes);
    // The clause for a file that grew past maxBytes while it was read.
    static QString tooLargeReason(qint64 maxBytes = MaxBytes);
};
