#include "StaircaseFixtures.h"
#include "staircase/SolutionEvaluator.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The evaluation as worded: the build player by player, noting the spread rankings at
// the start of each tour, the span of each ranking left, and the tours with qualifiers;
// it stops where the step table ends.
SolutionCheck PlainEvaluation(StaircaseState& state, const StaircaseSolution& solution) {
    SolutionCheck check;
    state.ResetSteps();
    check.Tours = solution.tours();
    const int rankedAlone = state.TotalPlayers - 2 * state.QualifiersIn;
    int i = 1;
    int p = 0;
    int s = 0;
    bool f = false;
    const auto left = [&check](int span) {
        check.OneTourCount += span == 1 ? 1 : 0;
        check.TwoTourCount += span == 2 ? 1 : 0;
    };
    for (int t = 1; t <= check.Tours && check.Overflow == WalkPoint::Overflow::None; ++t) {
        StaircaseStep& step = state.Steps[t];
        step.Positions = 2 * solution.Matches[static_cast<std::size_t>(t)];
        if (t < 9) {
            step.Arriving = solution.Matches[static_cast<std::size_t>(t + 1)];
        }
        int k = 1;
        int j = 1;
        bool qualifierSeen = false;
        if (++s > 2) {
            check.SpreadRankings.append({state.Rankings[i].Name, s});
        }
        while (j <= step.Positions - step.Arriving) {
            if (state.Rankings[i].Placed >= state.Rankings[i].Count) {
                left(s);
                ++i;
                k += f ? 2 : 1;
                f = false;
                s = 1;
            }
            if (i > 12) {
                check.Overflow = WalkPoint::Overflow::Rows;
                break;
            }
            if (k > 8) {
                check.Overflow = WalkPoint::Overflow::Entries;
                break;
            }
            step.Entries[k].Name = state.Rankings[i].Name;
            ++step.Entries[k].Count;
            ++state.Rankings[i].Placed;
            ++p;
            ++j;
            if (p > rankedAlone) {
                if (k + 1 > 8) {
                    check.Overflow = WalkPoint::Overflow::Entries;
                    break;
                }
                step.Entries[k + 1].Name = QStringLiteral("q");
                ++step.Entries[k + 1].Count;
                if (!qualifierSeen) {
                    qualifierSeen = true;
                    ++check.QualifierTourCount;
                }
                ++p;
                ++j;
                f = true;
            }
        }
        if (check.Overflow != WalkPoint::Overflow::None) {
            break;
        }
        if (state.Rankings[i].Placed >= state.Rankings[i].Count) {
            left(s);
            ++i;
            s = 0;
        }
        if (i > 12 && t < check.Tours) {
            check.Overflow = WalkPoint::Overflow::Rows;
        }
    }
    check.Incorrect = check.QualifierTourCount > 2 || !check.SpreadRankings.isEmpty() ||
                      check.Overflow != WalkPoint::Overflow::None;
    return check;
}

}  // namespace

TEST(SolutionEvaluator, NotesWhatThePlainDistributionMeets) {
    std::mt19937 random(11);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int incorrect = 0;
    int twoTours = 0;
    for (int round = 0; round < 20000; ++round) {
        StaircaseState state;
        const int rows = pick(1, 12);
        int total = 0;
        for (int r = 1; r <= rows; ++r) {
            state.Rankings[r].Name = QStringLiteral("R%1").arg(r);
            state.Rankings[r].Count = pick(1, 6);
            total += state.Rankings[r].Count;
        }
        state.QualifiersIn = static_cast<std::int16_t>(pick(0, 2) == 0 ? 0 : pick(1, 5));
        state.TotalPlayers = static_cast<std::int16_t>(total + state.QualifiersIn);
        StaircaseSolution solution;
        const int tours = pick(1, 9);
        for (int t = 0; t <= tours; ++t) {
            solution.Matches[static_cast<std::size_t>(t)] = static_cast<std::int16_t>(pick(1, 8));
        }
        StaircaseState expected = state;
        const SolutionCheck plain = PlainEvaluation(expected, solution);
        const SolutionCheck check = SolutionEvaluator::Evaluate(state, solution);
        ASSERT_EQ(check, plain) << "round " << round;
        ASSERT_EQ(state.Steps, expected.Steps) << "round " << round;
        incorrect += check.Incorrect ? 1 : 0;
        twoTours += check.TwoTourCount > 0 && !check.Incorrect ? 1 : 0;
    }
    EXPECT_GT(incorrect, 2000);
    EXPECT_GT(twoTours, 500);
}

TEST(SolutionEvaluator, ListsARankingOnceForEachTourBeyondTheSecond) {
    StaircaseState state;
    // B enters in tour 2 and stays to tour 4: listed once, at the start of tour 4.
    SetRankings(state, {{"A", 1}, {"B", 8}, {"C", 1}}, 2);
    SolutionCheck check = SolutionEvaluator::Evaluate(state, Matches({2, 2, 3, 2, 1}));
    EXPECT_EQ(check.SpreadRankings, (QList<SpreadRanking>{{QStringLiteral("B"), 3}}));
    EXPECT_TRUE(check.Incorrect);

    // B present from tour 1 to tour 4: listed with 3 and with 4.
    SetRankings(state, {{"A", 1}, {"B", 6}, {"C", 1}}, 2);
    check = SolutionEvaluator::Evaluate(state, Matches({2, 2, 2, 1, 1}));
    EXPECT_EQ(check.SpreadRankings,
              (QList<SpreadRanking>{{QStringLiteral("B"), 3}, {QStringLiteral("B"), 4}}));
    EXPECT_EQ(check.OneTourCount, 2);  // A, and C left at the end of the last tour
    EXPECT_EQ(check.Tours, 4);
}

TEST(SolutionEvaluator, QualifiersOnThreeToursAreIncorrect) {
    StaircaseState state;
    // Ten positions, the last eight in pairs: tours 2, 3 and 4 take qualifiers while
    // every ranking stays within two tours.
    SetRankings(state, {{"A", 2}, {"B", 2}, {"C", 2}}, 2, 4);
    const SolutionCheck check = SolutionEvaluator::Evaluate(state, Matches({2, 2, 2, 2, 2}));
    EXPECT_TRUE(check.SpreadRankings.isEmpty());
    EXPECT_EQ(check.QualifierTourCount, 3);
    EXPECT_EQ(check.TwoTourCount, 1);
    EXPECT_EQ(check.OneTourCount, 2);
    EXPECT_TRUE(check.Incorrect);
}

TEST(SolutionEvaluator, StopsWhereTheStepTableEnds) {
    // Ten rankings of one player entering in tour 3: the ninth has no entry left.
    StaircaseState state;
    SetRankings(state,
                {{"R1", 1},
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
                 {"R12", 1}},
                2);
    SolutionCheck check = SolutionEvaluator::Evaluate(state, Matches({2, 2, 3, 5}));
    EXPECT_EQ(check.Overflow, WalkPoint::Overflow::Entries);
    EXPECT_TRUE(check.Incorrect);
    EXPECT_EQ(state.Steps[3].Entries[8].Name, QStringLiteral("R10"));
    EXPECT_EQ(state.Rankings[11].Placed, 0);  // nothing beyond the stop

    // One player and nine tours: the walk would need a thirteenth row.
    SetRankings(state, {{"A", 1}}, 1);
    state.TotalPlayers = 10;
    check = SolutionEvaluator::Evaluate(state, Matches({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(check.Overflow, WalkPoint::Overflow::Rows);
    EXPECT_TRUE(check.Incorrect);
}

TEST(SolutionEvaluator, DimensionIsThePowerOfTwoAboveTheQualifiersDoubledPerTour) {
    EXPECT_EQ(SolutionEvaluator::DrawDimension(4, 3), 32);
    EXPECT_EQ(SolutionEvaluator::DrawDimension(3, 3), 32);
    EXPECT_EQ(SolutionEvaluator::DrawDimension(1, 4), 16);
    EXPECT_EQ(SolutionEvaluator::DrawDimension(5, 2), 32);
    EXPECT_EQ(SolutionEvaluator::DrawDimension(4, 0), 4);
    EXPECT_EQ(SolutionEvaluator::DrawDimension(0, 2), 4);
}
