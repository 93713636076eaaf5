#include "common/StaircaseInputs.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

StaircaseSolution solution(std::initializer_list<int> figures) {
    return Solution(figures);
}

// Ranking rows in order, best first; TotalPlayers is their sum plus the qualifiers.
void setRankings(StaircaseState& state, std::initializer_list<std::pair<const char*, int>> rows,
                 int qualifiersIn = 0) {
    SetRankings(state, rows, 0, qualifiersIn);
}

void expectEntry(const StaircaseStep& step, int k, const char* name, int count) {
    EXPECT_EQ(step.Entries[k].Name, QString::fromUtf8(name)) << "entry " << k;
    EXPECT_EQ(step.Entries[k].Count, count) << "entry " << k;
}

}  // namespace

TEST(BuildStaircase, DistributesFromTheBestRankingInTourOne) {
    StaircaseState state;
    ScriptedPrompter prompter;
    setRankings(state, {{"A", 4}, {"B", 4}});
    EXPECT_FALSE(state.BuildStaircase(solution({2, 2, 2, 2}), prompter));
    EXPECT_EQ(state.Steps[1].Positions, 4);
    EXPECT_EQ(state.Steps[1].Arriving, 2);
    expectEntry(state.Steps[1], 1, "A", 2);
    expectEntry(state.Steps[2], 1, "A", 2);
    EXPECT_EQ(state.Steps[3].Arriving, 0);
    expectEntry(state.Steps[3], 1, "B", 4);
    EXPECT_EQ(state.Steps[4], StaircaseStep{});
    EXPECT_EQ(state.Rankings[1].Placed, 4);
    EXPECT_EQ(state.Rankings[2].Placed, 4);
    // The row after the last ranking is empty; reaching it after the last tour is fine.
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST(BuildStaircase, TwelveRankingsFitWithoutAMessage) {
    StaircaseState state;
    ScriptedPrompter prompter;
    setRankings(state, {{"R1", 1},
                        {"R2", 1},
                        {"R3", 1},
                        {"R4", 1},
                        {"R5", 1},
                        {"R6", 1},
                        {"R7", 1},
                        {"R8", 1},
                        {"R9", 1},
                        {"R10", 1},
                        {"R11", 1},
                        {"R12", 1}});
    EXPECT_FALSE(state.BuildStaircase(solution({2, 2, 3, 4, 1}), prompter));
    EXPECT_TRUE(prompter.entries().isEmpty());
    expectEntry(state.Steps[3], 7, "R10", 1);
    expectEntry(state.Steps[4], 2, "R12", 1);
}

TEST(BuildStaircase, FlagsARankingPresentInMoreThanTwoTours) {
    StaircaseState state;
    ScriptedPrompter prompter;
    setRankings(state, {{"A", 2}, {"B", 6}, {"C", 2}});
    EXPECT_TRUE(state.BuildStaircase(solution({2, 2, 2, 2, 2}), prompter));
    expectEntry(state.Steps[4], 1, "B", 2);
    expectEntry(state.Steps[4], 2, "C", 2);

    setRankings(state, {{"A", 2}, {"B", 4}, {"C", 4}});
    EXPECT_FALSE(state.BuildStaircase(solution({2, 2, 2, 2, 2}), prompter));
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST(BuildStaircase, PairsTheWeakestPlayersWithTheIncomingQualifiers) {
    StaircaseState state;
    ScriptedPrompter prompter;
    setRankings(state, {{"A", 4}, {"B", 4}, {"C", 4}, {"D", 5}}, 3);
    ASSERT_EQ(state.TotalPlayers, 20);
    EXPECT_FALSE(state.BuildStaircase(solution({4, 4, 4, 4, 4}), prompter));
    // 14 ranked players alone, then three pairs of a D player and a qualifier.
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(state.Steps[t].Entries[2], StepEntry{});
    }
    expectEntry(state.Steps[4], 1, "D", 5);
    expectEntry(state.Steps[4], 2, "q", 3);

    setRankings(state, {{"A", 4}, {"B", 4}, {"C", 4}, {"D", 8}});
    EXPECT_FALSE(state.BuildStaircase(solution({4, 4, 4, 4, 4}), prompter));
    for (const StaircaseStep& step : state.Steps) {
        for (const StepEntry& entry : step.Entries) {
            EXPECT_NE(entry.Name, QStringLiteral("q"));
        }
    }
}

TEST(BuildStaircase, StopsWithAMessageWhenTheStepTableOverflows) {
    StaircaseState state;
    ScriptedPrompter prompter;
    // Nine tours of one match for a single ranking of one player: the walk runs through
    // the empty rows until it leaves the twelve ranking rows.
    setRankings(state, {{"A", 1}});
    state.TotalPlayers = 10;
    EXPECT_TRUE(state.BuildStaircase(solution({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), prompter));
    EXPECT_EQ(prompter.texts(),
              QStringList{
                  QStringLiteral("Vous dépassez le nombre maximum de tour dans l'escalier. (12)")});

    // Ten rankings entering in one tour: the ninth does not fit the step.
    prompter.clear();
    setRankings(state, {{"R1", 1},
                        {"R2", 1},
                        {"R3", 1},
                        {"R4", 1},
                        {"R5", 1},
                        {"R6", 1},
                        {"R7", 1},
                        {"R8", 1},
                        {"R9", 1},
                        {"R10", 1},
                        {"R11", 1},
                        {"R12", 1}});
    EXPECT_TRUE(state.BuildStaircase(solution({2, 2, 3, 5}), prompter));
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Vous dépassez le nombre maximum de classement "
                                         "différents dans une marche de l'escalier. (8)")});

    // A qualifier that would need a ninth entry is the same overflow.
    prompter.clear();
    setRankings(state,
                {{"R1", 1},
                 {"R2", 1},
                 {"R3", 1},
                 {"R4", 1},
                 {"R5", 1},
                 {"R6", 1},
                 {"R7", 1},
                 {"R8", 1},
                 {"R9", 1},
                 {"R10", 2}},
                1);
    EXPECT_TRUE(state.BuildStaircase(solution({2, 2, 3, 5}), prompter));
    EXPECT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts().first().contains(QStringLiteral("(8)")));
}

TEST(StaircaseState, ResetsKeepWhatTheyShould) {
    StaircaseState state;
    ScriptedPrompter prompter;
    setRankings(state, {{"A", 4}, {"B", 4}});
    state.Solutions[1] = solution({2, 2, 2, 2});
    state.Solutions[200].Matches[12] = 7;
    state.BuildStaircase(state.Solutions[1], prompter);

    state.ResetSteps();
    EXPECT_EQ(state.Rankings[1].Name, QStringLiteral("A"));
    EXPECT_EQ(state.Rankings[1].Count, 4);
    EXPECT_EQ(state.Rankings[1].Placed, 0);
    EXPECT_EQ(state.Steps[1], StaircaseStep{});

    state.ClearSolutions();
    EXPECT_EQ(state.Solutions[1], StaircaseSolution{});
    EXPECT_EQ(state.Solutions[200].Matches[12], 7);  // figures 10 to 12 are not the search's

    state.BuildStaircase(solution({2, 2, 2, 2}), prompter);
    state.ResetStaircase();
    EXPECT_EQ(state.Rankings[1], RankingRow{});
    EXPECT_EQ(state.Steps[3], StaircaseStep{});
}
