#pragma once

#include "core/StaircaseState.h"

#include <QStringList>

#include <initializer_list>
#include <utility>

// Figures 0, 1, 2 ... of a staircase solution; the others 0.
inline StaircaseSolution Solution(std::initializer_list<int> figures) {
    StaircaseSolution result;
    std::size_t at = 0;
    for (int figure : figures) {
        result.Matches[at++] = static_cast<std::int16_t>(figure);
    }
    return result;
}

// Ranking rows best first and the qualifiers, the total as a search leaves it: the
// players of the rows plus the incoming qualifiers.
inline void SetRankings(StaircaseState& state,
                        std::initializer_list<std::pair<const char*, int>> rows, int qualifiersOut,
                        int qualifiersIn = 0) {
    state.ResetStaircase();
    int row = 1;
    int total = qualifiersIn;
    for (const auto& [name, count] : rows) {
        state.Rankings[row].Name = QString::fromUtf8(name);
        state.Rankings[row].Count = count;
        total += count;
        ++row;
    }
    state.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
    state.QualifiersIn = static_cast<std::int16_t>(qualifiersIn);
    state.TotalPlayers = static_cast<std::int16_t>(total);
}

// Rankings R1 to Rn of one player each.
inline void SetSingles(StaircaseState& state, int n, int qualifiersOut) {
    state.ResetStaircase();
    for (int row = 1; row <= n; ++row) {
        state.Rankings[row].Name = QStringLiteral("R%1").arg(row);
        state.Rankings[row].Count = 1;
    }
    state.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
    state.QualifiersIn = 0;
    state.TotalPlayers = static_cast<std::int16_t>(n);
}
