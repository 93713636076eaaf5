#include "ReferenceSearch.h"
#include "common/RandomStaircase.h"
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
    int overflows = 0;
    int spread = 0;
    for (int round = 0; round < 20000; ++round) {
        RandomStaircase input(random, true);
        StaircaseState& state = input.state;
        const StaircaseSolution& solution = input.solution;
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
