#pragma once

#include "common/StaircaseInputs.h"

// Ranking rows best first and the figures of a search, as the wizard leaves them before
// PrepareSearch: TotalPlayers is the sum of the counts, without the qualifiers.
inline void SetSearchInput(StaircaseState& state,
                           std::initializer_list<std::pair<const char*, int>> rows,
                           int qualifiersOut, int qualifiersIn = 0) {
    SetRankings(state, rows, qualifiersOut, qualifiersIn);
    state.TotalPlayers = static_cast<std::int16_t>(state.TotalPlayers - qualifiersIn);
    state.Couples = static_cast<std::int16_t>(qualifiersIn);
    state.Iterations = 0;
}
