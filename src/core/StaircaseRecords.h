#pragma once

#include "OneBased.h"

#include <QString>

#include <array>
#include <cstdint>

// The records of the staircase state. Widths follow the figures they hold: 16-bit for
// the figures of the draw, 32-bit for counts of players and positions.

// One ranking of the simulation, best ranking in row 1.
struct RankingRow {
    QString Name;  // at most 5 characters; the staggered-entry wizard pads it to 4
    std::int32_t Count = 0;
    std::int32_t Placed = 0;  // work counter of a staircase build

    bool operator==(const RankingRow&) const = default;
};

// A group of direct entrants of one tour: a ranking, or "q" for incoming qualifiers.
struct StepEntry {
    QString Name;
    std::int32_t Count = 0;

    bool operator==(const StepEntry&) const = default;
};

// One tour; tour 1 is the last round of the draw.
struct StaircaseStep {
    static constexpr int EntryCount = 8;

    std::int32_t Positions = 0;  // twice the matches of the tour
    OneBased<StepEntry, EntryCount> Entries;
    std::int32_t Arriving = 0;  // winners of the next earlier tour

    bool operator==(const StaircaseStep&) const = default;
};

// The figures of one staircase: Matches[0] is the outgoing qualifiers, Matches[t] the
// matches of tour t for t = 1 to 9; the first 0 among figures 1 to 9 ends it.
struct StaircaseSolution {
    static constexpr int FigureCount = 13;
    static constexpr int MaxTours = 9;

    std::array<std::int16_t, FigureCount> Matches{};

    // Number of figures among 1 to 9 that are 1 or more.
    int tours() const;
    bool operator==(const StaircaseSolution&) const = default;
};
