#pragma once

#include "core/StaircaseState.h"

#include <random>

// A random staircase to compare two distributions on: one to twelve rankings of one to
// six players, now and then incoming qualifiers, and one to nine tours of one to eight
// matches. An irregular one also has rankings without players, totals one off the sum,
// and tours without matches.
struct RandomStaircase {
    StaircaseState state;
    StaircaseSolution solution;

    RandomStaircase(std::mt19937& random, bool irregular) {
        const auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const auto rare = [&pick, irregular](int odds) { return irregular && pick(0, odds) == 0; };
        const int rows = pick(1, 12);
        int total = 0;
        for (int r = 1; r <= rows; ++r) {
            state.Rankings[r].Name = QStringLiteral("R%1").arg(r);
            state.Rankings[r].Count = rare(9) ? 0 : pick(1, 6);
            total += state.Rankings[r].Count;
        }
        state.QualifiersIn = static_cast<std::int16_t>(pick(0, 2) == 0 ? 0 : pick(1, 5));
        state.TotalPlayers =
            static_cast<std::int16_t>(total + state.QualifiersIn + (irregular ? pick(-1, 1) : 0));
        const int tours = pick(1, 9);
        for (int t = 0; t <= tours; ++t) {
            solution.Matches[static_cast<std::size_t>(t)] =
                static_cast<std::int16_t>(rare(12) ? 0 : pick(1, 8));
        }
    }
};
