#include "ReferenceSearch.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"

#include <gtest/gtest.h>

#include <random>

// The staircase build places whole runs of a ranking at once; it must leave exactly what
// the build player by player leaves: steps, placed counters, result and messages, on any
// rankings and figures, including rows without players, totals that do not add up and
// staircases that overflow the step table.
TEST(StaircaseWalk, BuildsWhatThePlayerByPlayerBuildBuilds) {
    std::mt19937 random(7);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int overflows = 0;
    int spread = 0;
    for (int round = 0; round < 20000; ++round) {
        StaircaseState state;
        const int rows = pick(1, 12);
        int total = 0;
        for (int r = 1; r <= rows; ++r) {
            state.Rankings[r].Name = QStringLiteral("R%1").arg(r);
            state.Rankings[r].Count = pick(0, 9) == 0 ? 0 : pick(1, 6);
            total += state.Rankings[r].Count;
        }
        state.QualifiersIn = static_cast<std::int16_t>(pick(0, 3) == 0 ? 0 : pick(0, 5));
        state.TotalPlayers = static_cast<std::int16_t>(total + state.QualifiersIn + pick(-1, 1));
        StaircaseSolution solution;
        const int tours = pick(1, 9);
        for (int t = 0; t <= tours; ++t) {
            solution.Matches[static_cast<std::size_t>(t)] =
                static_cast<std::int16_t>(pick(0, 12) == 0 ? 0 : pick(1, 8));
        }
        StaircaseState expected = state;
        ScriptedPrompter expectedPrompter;
        ScriptedPrompter actualPrompter;
        const bool expectedResult = ReferenceSearch::Build(expected, solution, expectedPrompter);
        const bool actualResult = state.BuildStaircase(solution, actualPrompter);
        ASSERT_EQ(actualResult, expectedResult) << "round " << round;
        ASSERT_EQ(state.Steps, expected.Steps) << "round " << round;
        ASSERT_EQ(state.Rankings, expected.Rankings) << "round " << round;
        ASSERT_EQ(actualPrompter.texts(), expectedPrompter.texts()) << "round " << round;
        overflows += expectedPrompter.texts().isEmpty() ? 0 : 1;
        spread += expectedResult && expectedPrompter.texts().isEmpty() ? 1 : 0;
    }
    EXPECT_GT(overflows, 1000);
    EXPECT_GT(spread, 1000);
}
