#pragma once

#include "core/StaircaseState.h"

#include <initializer_list>
#include <utility>

// Ranking rows best first and the figures of a search, as the wizard leaves them before
// PrepareSearch: TotalPlayers is the sum of the counts, without the qualifiers.
inline void SetSearchInput(StaircaseState& state,
                           std::initializer_list<std::pair<const char*, int>> rows,
                           int qualifiersOut, int qualifiersIn = 0) {
    state.ResetStaircase();
    int row = 1;
    int total = 0;
    for (const auto& [name, count] : rows) {
        state.Rankings[row].Name = QString::fromUtf8(name);
        state.Rankings[row].Count = count;
        total += count;
        ++row;
    }
    state.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
    state.QualifiersIn = static_cast<std::int16_t>(qualifiersIn);
    state.Couples = static_cast<std::int16_t>(qualifiersIn);
    state.TotalPlayers = static_cast<std::int16_t>(total);
    state.Iterations = 0;
}

inline StaircaseSolution Figures(std::initializer_list<int> figures) {
    StaircaseSolution result;
    std::size_t at = 0;
    for (int figure : figures) {
        result.Matches[at++] = static_cast<std::int16_t>(figure);
    }
    return result;
}
