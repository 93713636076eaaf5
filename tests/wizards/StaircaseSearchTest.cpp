#include "ReferenceSearch.h"
#include "SearchInputs.h"
#include "core/ScriptedPrompter.h"
#include "wizards/StaircaseSearch.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A search with the remove-more-than-two-tours option off, where the rankings do not
// matter: P players (qualifiers included), q outgoing qualifiers, no incoming one.
StaircaseState Plain(int players, int qualifiersOut) {
    StaircaseState state;
    SetSearchInput(state, {{"NC", players}}, qualifiersOut);
    return state;
}

std::int64_t Box(int players, int q, int maxTours) {
    const int t = players - 2 * q;
    const std::array<std::int64_t, 10> bounds{0,     0,     2 * q - 1, t - 1, t - 2,
                                              t - 3, t - 3, t - 4,     t - 5, 0};
    std::int64_t total = 0;
    for (int tours = 3; tours <= maxTours; ++tours) {
        std::int64_t box = 1;
        for (int f = 2; f <= tours - 1; ++f) {
            box *= std::max<std::int64_t>(0, bounds[static_cast<std::size_t>(f)]);
        }
        total += box;
    }
    return total;
}

}  // namespace

TEST(StaircaseSearch, CountsAndStoresTheSmallestDraws) {
    ScriptedPrompter prompter;
    StaircaseState state = Plain(8, 2);
    StaircaseSearch search(state, prompter);
    EXPECT_EQ(search.SearchSolutions(4, false), 3);
    EXPECT_EQ(state.Iterations, 12);
    EXPECT_EQ(state.StoredSolutions, 3);
    EXPECT_EQ(state.Solutions[1], Solution({2, 2, 3, 1}));
    EXPECT_EQ(state.Solutions[2], Solution({2, 2, 2, 2}));
    EXPECT_EQ(state.Solutions[3], Solution({2, 2, 2, 1, 1}));
    EXPECT_EQ(state.Solutions[4], StaircaseSolution{});

    state = Plain(8, 2);
    EXPECT_EQ(search.SearchSolutions(5, false), 4);
    EXPECT_EQ(state.Iterations, 30);

    state = Plain(20, 4);
    EXPECT_EQ(search.SearchSolutions(5, false), 53);
    EXPECT_EQ(state.Iterations, 854);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST(StaircaseSearch, NineTourStaircaseOnlyWithNineTours) {
    ScriptedPrompter prompter;
    StaircaseState state = Plain(10, 1);
    StaircaseSearch search(state, prompter);
    EXPECT_EQ(search.SearchSolutions(8, false), 0);
    EXPECT_EQ(state.StoredSolutions, 0);

    state = Plain(10, 1);
    EXPECT_EQ(search.SearchSolutions(9, false), 1);
    EXPECT_EQ(state.Solutions[1], Solution({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(StaircaseSearch, CountsBeyondTheTwoHundredStored) {
    // 252 candidates accepted in the levels of 3 to 7 tours: all counted, 200 stored.
    ScriptedPrompter prompter;
    StaircaseState state = Plain(24, 2);
    StaircaseSearch search(state, prompter);
    StaircaseState reference = state;
    ReferenceSearch::Search(reference, prompter, 7, false);
    ASSERT_EQ(reference.SolutionCount, 252);
    EXPECT_EQ(search.SearchSolutions(7, false), 252);
    EXPECT_EQ(state.StoredSolutions, 200);
    EXPECT_EQ(state.Solutions, reference.Solutions);
    EXPECT_EQ(state.Iterations, reference.Iterations);
}

TEST(StaircaseSearch, StopsTheLevelsOfEightAndNineToursAfterTwoHundred) {
    ScriptedPrompter prompter;
    StaircaseState state = Plain(24, 2);
    StaircaseState reference = state;
    StaircaseSearch(state, prompter).SearchSolutions(9, false);
    ReferenceSearch::Search(reference, prompter, 9, false);
    // Both levels start above 200 and stop after their first innermost run.
    EXPECT_EQ(state.Iterations, Box(24, 2, 7) + (20 - 4) + (20 - 5));
    EXPECT_EQ(state.Iterations, reference.Iterations);
    EXPECT_EQ(state.SolutionCount, reference.SolutionCount);
}

TEST(StaircaseSearch, CountsThatNoSixteenOrThirtyTwoBitFigureHolds) {
    // 256 players and 16 outgoing qualifiers: 7.5e10 candidates and 3.8e7 accepted.
    ScriptedPrompter prompter;
    StaircaseState state = Plain(256, 16);
    StaircaseSearch(state, prompter).SearchSolutions(7, false);
    EXPECT_EQ(state.Iterations, Box(256, 16, 7));
    EXPECT_GT(state.Iterations, std::int64_t{1} << 36);
    EXPECT_GT(state.SolutionCount, 32767 * 1000);
    EXPECT_EQ(state.StoredSolutions, 200);
}

TEST(StaircaseSearch, SameInputTwiceGivesTheSameResult) {
    ScriptedPrompter prompter;
    StaircaseState state;
    SetSearchInput(state, {{"15", 3}, {"30", 5}, {"40", 6}, {"NC", 8}}, 2, 2);
    StaircaseSearch search(state, prompter);
    search.PrepareSearch();
    const StaircaseState before = state;
    search.SearchSolutions(7, true);
    const StaircaseState first = state;
    state = before;
    search.SearchSolutions(7, true);
    EXPECT_GT(first.SolutionCount, 0);
    EXPECT_EQ(state.Solutions, first.Solutions);
    EXPECT_EQ(state.Iterations, first.Iterations);
    EXPECT_EQ(state.SolutionCount, first.SolutionCount);
}

TEST(StaircaseSearch, EvaluatesOneCandidateAsWorded) {
    ScriptedPrompter prompter;
    StaircaseState state = Plain(8, 2);
    StaircaseSearch search(state, prompter);
    // Figure 3 is computed: 8 - 2 - 2 - 3 = 1.
    EXPECT_TRUE(search.EvaluateCandidate(Solution({2, 2, 3}), 3, false));
    EXPECT_EQ(state.Solutions[1], Solution({2, 2, 3, 1}));
    // (2 * 0 - 1) / 2 truncates to 0, which no figure is below.
    EXPECT_FALSE(search.EvaluateCandidate(Solution({2, 2, 4}), 3, false));     // 4 > 2 * 2 - 1
    EXPECT_FALSE(search.EvaluateCandidate(Solution({2, 2, 1}), 3, false));     // 3 > 2 * 1 - 1
    EXPECT_FALSE(search.EvaluateCandidate(Solution({2, 2, 2, 2}), 4, false));  // no match left
    EXPECT_EQ(state.Iterations, 4);
    EXPECT_EQ(state.SolutionCount, 1);

    // Incoming qualifiers must fit in the first two tours played.
    state = Plain(12, 2);
    state.QualifiersIn = 4;
    EXPECT_FALSE(search.EvaluateCandidate(Solution({2, 2, 3, 2}), 5, false));  // 2 + 1 <= 4
    EXPECT_FALSE(search.EvaluateCandidate(Solution({2, 2, 3, 1}), 4, false));  // (8 - 4) / 2 > 1
    EXPECT_TRUE(search.EvaluateCandidate(Solution({2, 2, 3, 3}), 4, false));
}

TEST(StaircaseSearch, EvaluatingMatchesThePlainWording) {
    // Every candidate of small boxes, one by one, against the plain evaluation: the
    // staircase build and its messages included.
    StaircaseState state;
    SetSearchInput(state,
                   {{"A", 1},
                    {"B", 2},
                    {"C", 1},
                    {"D", 1},
                    {"E", 1},
                    {"F", 1},
                    {"G", 1},
                    {"H", 1},
                    {"I", 1},
                    {"J", 1},
                    {"K", 1},
                    {"L", 2}},
                   2, 2);
    state.TotalPlayers = static_cast<std::int16_t>(state.TotalPlayers + 2);
    int accepted = 0;
    int told = 0;
    for (int tours = 3; tours <= 5; ++tours) {
        for (int a2 = 1; a2 <= 4; ++a2) {
            for (int a3 = 0; a3 <= (tours > 3 ? 7 : 0); ++a3) {
                for (int a4 = 0; a4 <= (tours > 4 ? 7 : 0); ++a4) {
                    StaircaseSolution figures = Solution({2, 2, a2, a3, a4});
                    StaircaseState expected = state;
                    StaircaseState actual = state;
                    ScriptedPrompter expectedPrompter;
                    ScriptedPrompter actualPrompter;
                    ReferenceSearch::Evaluate(expected, expectedPrompter, figures, tours, true);
                    StaircaseSearch(actual, actualPrompter).EvaluateCandidate(figures, tours, true);
                    ASSERT_EQ(actual.SolutionCount, expected.SolutionCount);
                    ASSERT_EQ(actual.Solutions, expected.Solutions);
                    ASSERT_EQ(actual.Steps, expected.Steps);
                    ASSERT_EQ(actualPrompter.texts(), expectedPrompter.texts());
                    accepted += actual.SolutionCount;
                    told += static_cast<int>(actualPrompter.texts().size());
                }
            }
        }
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(told, 0);
}

TEST(PrepareSearch, RaisesTheCouplesFromTheWeakestRankings) {
    ScriptedPrompter prompter;
    StaircaseState state;
    // Seven of the weakest ranking give 3 couples, fewer than 4 qualifiers: half of the
    // next ranking is added.
    SetSearchInput(state, {{"15", 4}, {"30", 10}, {"NC", 7}}, 4);
    StaircaseSearch search(state, prompter);
    search.PrepareSearch();
    EXPECT_EQ(state.Couples, 8);
    EXPECT_EQ(state.TotalPlayers, 21);

    SetSearchInput(state, {{"15", 4}, {"NC", 9}}, 4);
    search.PrepareSearch();
    EXPECT_EQ(state.Couples, 4);  // 9 / 2 = 4 is not fewer than q

    // With incoming qualifiers the couples stay; the total takes the qualifiers.
    SetSearchInput(state, {{"15", 4}, {"NC", 9}}, 4, 3);
    state.Solutions[7].Matches[3] = 5;
    state.StoredSolutions = 7;
    search.PrepareSearch();
    EXPECT_EQ(state.Couples, 3);
    EXPECT_EQ(state.TotalPlayers, 16);
    EXPECT_EQ(state.StoredSolutions, 0);
    EXPECT_EQ(state.Solutions[7], StaircaseSolution{});

    // A lower figure never lowers the couples.
    SetSearchInput(state, {{"NC", 3}}, 4);
    state.Couples = 5;
    search.PrepareSearch();
    EXPECT_EQ(state.Couples, 5);
}

TEST(DirectSolution, EqualToursAndTheFirstRoundTakingTheRest) {
    ScriptedPrompter prompter;
    StaircaseState state = Plain(20, 4);
    state.Couples = 4;
    StaircaseSearch search(state, prompter);
    EXPECT_TRUE(search.DirectSolutionApplies(false));
    EXPECT_FALSE(search.DirectSolutionApplies(true));
    search.DirectSolution();
    EXPECT_TRUE(state.SingleSolution);
    EXPECT_EQ(state.Solutions[1], Solution({4, 4, 4, 4, 4}));
    EXPECT_EQ(state.StoredSolutions, 0);
    EXPECT_EQ(state.Iterations, 0);

    state = Plain(21, 4);
    state.Couples = 4;
    search.DirectSolution();
    EXPECT_EQ(state.Solutions[1], Solution({4, 4, 4, 4, 4, 1}));

    state.Couples = 3;
    EXPECT_FALSE(search.DirectSolutionApplies(false));
}

TEST(DirectSolution, MoreThanNineEqualToursLeaveItToTheSearch) {
    // 12 players and one qualifier would need eleven tours of one match.
    ScriptedPrompter prompter;
    StaircaseState state = Plain(12, 1);
    state.Couples = 1;
    StaircaseSearch search(state, prompter);
    EXPECT_EQ(StaircaseSearch::DirectTours(12, 1), 11);
    EXPECT_FALSE(search.DirectSolutionApplies(false));
    search.DirectSolution();
    EXPECT_FALSE(state.SingleSolution);
    EXPECT_EQ(state.Solutions[1], StaircaseSolution{});

    EXPECT_EQ(StaircaseSearch::DirectTours(10, 1), 9);
    EXPECT_EQ(StaircaseSearch::DirectTours(10, 0), 0);
}
