#include "StaircaseFixtures.h"
#include "common/PlainDistribution.h"
#include "common/RandomStaircase.h"
#include "staircase/SolutionEvaluator.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The evaluation as worded: the build player by player, noting the spread rankings at
// the start of each tour, the span of each ranking left, and the tours with qualifiers;
// it stops where the step table ends.
SolutionCheck PlainEvaluation(StaircaseState& state, const StaircaseSolution& solution) {
    struct Notes {
        SolutionCheck& check;
        int lastQualifierTour = 0;
        void spread(const QString& name, int span) { check.SpreadRankings.append({name, span}); }
        void left(int span) {
            check.OneTourCount += span == 1 ? 1 : 0;
            check.TwoTourCount += span == 2 ? 1 : 0;
        }
        void qualifier(int tour) {
            if (tour != lastQualifierTour) {
                lastQualifierTour = tour;
                ++check.QualifierTourCount;
            }
        }
        void overflow(WalkPoint::Overflow kind) { check.Overflow = kind; }
    };
    SolutionCheck check;
    check.Tours = solution.tours();
    Notes notes{check};
    PlainDistribution(state, solution, notes);
    check.Incorrect = check.QualifierTourCount > 2 || !check.SpreadRankings.isEmpty() ||
                      check.Overflow != WalkPoint::Overflow::None;
    return check;
}

}  // namespace

TEST(SolutionEvaluator, NotesWhatThePlainDistributionMeets) {
    std::mt19937 random(11);
    int incorrect = 0;
    int twoTours = 0;
    for (int round = 0; round < 20000; ++round) {
        RandomStaircase input(random, false);
        StaircaseState& state = input.state;
        const StaircaseSolution& solution = input.solution;
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
    SolutionCheck check = SolutionEvaluator::Evaluate(state, Solution({2, 2, 3, 2, 1}));
    EXPECT_EQ(check.SpreadRankings, (QList<SpreadRanking>{{QStringLiteral("B"), 3}}));
    EXPECT_TRUE(check.Incorrect);

    // B present from tour 1 to tour 4: listed with 3 and with 4.
    SetRankings(state, {{"A", 1}, {"B", 6}, {"C", 1}}, 2);
    check = SolutionEvaluator::Evaluate(state, Solution({2, 2, 2, 1, 1}));
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
    const SolutionCheck check = SolutionEvaluator::Evaluate(state, Solution({2, 2, 2, 2, 2}));
    EXPECT_TRUE(check.SpreadRankings.isEmpty());
    EXPECT_EQ(check.QualifierTourCount, 3);
    EXPECT_EQ(check.TwoTourCount, 1);
    EXPECT_EQ(check.OneTourCount, 2);
    EXPECT_TRUE(check.Incorrect);
}

TEST(SolutionEvaluator, StopsWhereTheStepTableEnds) {
    // Ten rankings of one player entering in tour 3: the ninth has no entry left.
    StaircaseState state;
    SetSingles(state, 12, 2);
    SolutionCheck check = SolutionEvaluator::Evaluate(state, Solution({2, 2, 3, 5}));
    EXPECT_EQ(check.Overflow, WalkPoint::Overflow::Entries);
    EXPECT_TRUE(check.Incorrect);
    EXPECT_EQ(state.Steps[3].Entries[8].Name, QStringLiteral("R10"));
    EXPECT_EQ(state.Rankings[11].Placed, 0);  // nothing beyond the stop

    // One player and nine tours: the walk would need a thirteenth row.
    SetRankings(state, {{"A", 1}}, 1);
    state.TotalPlayers = 10;
    check = SolutionEvaluator::Evaluate(state, Solution({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
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
