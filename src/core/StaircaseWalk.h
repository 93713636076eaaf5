#pragma once

#include "StaircaseRecords.h"

#include <algorithm>
#include <array>
#include <cstdint>

// The staircase distribution, one tour at a time: the direct entrants of each tour are
// taken from the best ranking on, and once the players placed exceed the positions left
// for ranked players alone, every ranked player is followed by an incoming qualifier.
//
// The search, the staircase build and the evaluation of a stored solution all walk the
// same way and differ only in what they note on the way; they pass hooks for that. The
// walk places whole runs of one ranking at once, so its cost is the number of rankings a
// tour touches, not the number of players, and it stops where the step table ends (a
// thirteenth ranking row, a ninth entry in a step).

// The ranking counts the walk reads, and the positions ranked players take alone.
struct WalkRows {
    static constexpr int RowCount = 12;

    std::array<std::int32_t, RowCount> counts{};
    int rankedAlone = 0;  // players placed before the first one paired with a qualifier

    std::int32_t count(int row) const { return counts[static_cast<std::size_t>(row - 1)]; }
};

// Where a walk stands between two tours.
struct WalkPoint {
    enum class Overflow : std::uint8_t { None, Rows, Entries };

    int row = 1;          // current ranking row
    int placedInRow = 0;  // players of the current row already placed
    int placed = 0;       // players placed so far, qualifiers included
    int span = 0;         // tours the current row has been present in
    bool pair = false;    // the last player placed was followed by a qualifier
    bool spread = false;  // a ranking has been present in more than two tours
    Overflow overflow = Overflow::None;
};

// Hooks that note nothing: what the search passes.
struct SilentWalkHooks {
    void tourStarted(int /*tour*/, int /*row*/, int /*span*/) {}
    void rowLeft(int /*row*/, int /*span*/) {}
    void ranked(int /*tour*/, int /*entry*/, int /*row*/, int /*count*/) {}
    void qualifiers(int /*tour*/, int /*entry*/, int /*count*/) {}
    void overflow(WalkPoint::Overflow /*kind*/) {}
};

// Distributes `limit` positions of tour `tour` (its positions less the winners arriving);
// `more` tells whether another tour follows. Does nothing once the walk has overflowed.
template <typename Hooks>
void WalkTour(WalkPoint& w, const WalkRows& rows, int tour, int limit, bool more, Hooks& hooks) {
    if (w.overflow != WalkPoint::Overflow::None) {
        return;
    }
    constexpr int entryCount = StaircaseStep::EntryCount;
    const auto stop = [&](WalkPoint::Overflow kind) {
        w.overflow = kind;
        hooks.overflow(kind);
    };
    int entry = 1;
    if (++w.span > 2) {
        w.spread = true;
    }
    hooks.tourStarted(tour, w.row, w.span);
    int left = limit;
    while (left > 0) {
        if (w.placedInRow >= rows.count(w.row)) {
            hooks.rowLeft(w.row, w.span);
            ++w.row;
            entry += w.pair ? 2 : 1;  // a paired ranking used two entries of this tour
            w.pair = false;
            w.span = 1;
            w.placedInRow = 0;
        }
        if (w.row > WalkRows::RowCount) {
            return stop(WalkPoint::Overflow::Rows);
        }
        if (entry > entryCount) {
            return stop(WalkPoint::Overflow::Entries);
        }
        // A row entered without players (count 0) still takes one position, as the walk
        // places before it looks at the row again.
        const int available = std::max(rows.count(w.row) - w.placedInRow, 1);
        if (w.placed < rows.rankedAlone) {
            const int n = std::min({available, left, rows.rankedAlone - w.placed});
            hooks.ranked(tour, entry, w.row, n);
            w.placedInRow += n;
            w.placed += n;
            left -= n;
            continue;
        }
        if (entry + 1 > entryCount) {
            // The player goes in; the qualifier that follows it finds no entry left.
            hooks.ranked(tour, entry, w.row, 1);
            ++w.placedInRow;
            ++w.placed;
            return stop(WalkPoint::Overflow::Entries);
        }
        // Each pair takes two positions, the last one even when a single position is left.
        const int n = std::min(available, (left + 1) / 2);
        hooks.ranked(tour, entry, w.row, n);
        hooks.qualifiers(tour, entry + 1, n);
        w.placedInRow += n;
        w.placed += 2 * n;
        left -= 2 * n;
        w.pair = true;
    }
    if (w.placedInRow >= rows.count(w.row)) {
        hooks.rowLeft(w.row, w.span);
        ++w.row;
        w.span = 0;
        w.placedInRow = 0;
    }
    if (w.row > WalkRows::RowCount && more) {
        stop(WalkPoint::Overflow::Rows);
    }
}
