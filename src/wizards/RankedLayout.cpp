#include "RankedLayout.h"

#include "core/StaircaseWalk.h"

#include <algorithm>
#include <limits>

RankedLayout::RankedLayout(const WalkRows& rows, int totalPlayers, int qualifiersIn)
    : qualifiersIn_(qualifiersIn) {
    while (rowCount_ < WalkRows::RowCount && rows.count(rowCount_ + 1) >= 1) {
        ++rowCount_;
    }
    ends_.assign(static_cast<std::size_t>(WalkRows::RowCount) + 1, 0);
    for (int r = 1; r <= WalkRows::RowCount; ++r) {
        const int count = r <= rowCount_ ? rows.count(r) : 0;
        ends_[static_cast<std::size_t>(r)] = ends_[static_cast<std::size_t>(r - 1)] + count;
    }
    const int ranked = ends_[static_cast<std::size_t>(rowCount_)];
    bool emptyAfter = true;
    for (int r = rowCount_ + 1; r <= WalkRows::RowCount; ++r) {
        emptyAfter = emptyAfter && rows.count(r) == 0;
    }
    alone_ = totalPlayers - 2 * qualifiersIn;
    regular_ = rowCount_ >= 1 && emptyAfter && qualifiersIn >= 0 && alone_ >= 0 &&
               totalPlayers == ranked + qualifiersIn && rows.rankedAlone == alone_;
    if (!regular_) {
        return;
    }
    rowOf_.assign(static_cast<std::size_t>(ranked) + 2, rowCount_ + 1);
    for (int r = 1; r <= rowCount_; ++r) {
        for (int m = ends_[static_cast<std::size_t>(r - 1)] + 1;
             m <= ends_[static_cast<std::size_t>(r)]; ++m) {
            rowOf_[static_cast<std::size_t>(m)] = r;
        }
    }
    firstPairedRow_ = rowOf_[static_cast<std::size_t>(alone_) + 1];
    findOverflowWindows();
}

int RankedLayout::pairedRows(int from, int to) const {
    return std::max(0, to - std::max(from, firstPairedRow_) + 1);
}

int RankedLayout::lastPosition(int row) const {
    const int ranked = rankedThrough(row);
    return positionOfRanked(ranked) + (ranked > alone_ ? 1 : 0);
}

void RankedLayout::findOverflowWindows() {
    constexpr int entryCount = StaircaseStep::EntryCount;
    constexpr int never = std::numeric_limits<int>::max();
    overflowWindow_.assign(static_cast<std::size_t>(WalkRows::RowCount) + 2, never);
    for (int row = rowCount_; row >= 1; --row) {
        // A tour touching rows first to last holds the rows between them whole.
        int fewest = overflowWindow_[static_cast<std::size_t>(row) + 1];
        for (int last = row; last <= rowCount_; ++last) {
            if (last - row + 1 + pairedRows(row, last) > entryCount) {
                const int span = last == row ? 1 : firstPosition(last) - lastPosition(row) + 1;
                fewest = std::min(fewest, span);
                break;
            }
        }
        overflowWindow_[static_cast<std::size_t>(row)] = fewest;
    }
    splitOverflowWindow_ = never;
    const int end = lastPosition(rowCount_);
    for (int first = rowCount_; first >= 1; --first) {
        if (rowCount_ - first + 1 + pairedRows(first, rowCount_) + 2 > entryCount) {
            splitOverflowWindow_ = end - lastPosition(first) + 1;
            break;
        }
    }
}
