#pragma once

#include "TableLocations.h"

#include <QString>

#include <functional>

class Prompter;
class RecordTable;

// The acceptance of a draw: the host's draw table is emptied and numbered 1 to its line
// count, then the working table's lines are copied onto it, all in one transaction.
// Problems are told through the prompter and end the transfer with the host's table as
// it was; nothing is written when the host's table is the working table itself.
class HostTransfer {
public:
    // The largest draw the host takes.
    static constexpr int MaxDimension = 1024;

    using Copy = std::function<bool(RecordTable& working, RecordTable& host)>;

    static bool Run(const TableLocations& places, const QString& workingName, int hostLineCount,
                    Prompter& prompter, const Copy& copy);

    // Copies every working line, from the first, onto the host line at the same place.
    static bool CopyInOrder(RecordTable& working, RecordTable& host);

    static QString SameTableMessage(const QString& path);
    // Told when a draw of more than MaxDimension entries would be accepted.
    static QString TooLargeMessage();
};
