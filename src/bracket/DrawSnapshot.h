#pragma once

#include "BracketLine.h"

#include <QHash>

#include <vector>

class RecordTable;

// The lines of a draw table read once, in line order, and found by their number: the
// rules check looks lines up by number many times and must leave the table's cursor
// where it found it.
class DrawSnapshot {
public:
    // The table's cursor is put back on the line it stood on.
    static DrawSnapshot Read(RecordTable& table);
    static DrawSnapshot Of(std::vector<BracketLine> lines);

    const std::vector<BracketLine>& lines() const { return lines_; }
    // Null for a number the table does not hold.
    const BracketLine* line(int number) const;
    // The Position of the line; 0 (an empty line) for a number the table does not hold.
    int position(int number) const;
    // A direct entrant or a seed.
    bool isEntrant(int number) const;

private:
    std::vector<BracketLine> lines_;
    QHash<int, std::size_t> byNumber_;
};
