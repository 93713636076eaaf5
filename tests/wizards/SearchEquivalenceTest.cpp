#include "ReferenceSearch.h"
#include "SearchInputs.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "wizards/StaircaseSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

// The search against the plain enumeration on many generated inputs: every count, every
// stored solution and every message must be the same.

namespace {

struct Generated {
    StaircaseState state;
    int maxTours = 5;
    bool removeSpread = true;
    std::string description;
};

// The number of candidates the plain enumeration visits, to keep the inputs small.
double BoxSize(int q, int players, int maxTours) {
    const int t = players - 2 * q;
    const int bounds[10] = {0, 0, 2 * q - 1, t - 1, t - 2, t - 3, t - 3, t - 4, t - 5, 0};
    double total = 0;
    for (int tours = 3; tours <= std::max(4, maxTours); ++tours) {
        double box = 1;
        for (int f = 2; f <= tours - 1; ++f) {
            box *= std::max(0, bounds[f]);
        }
        total += box;
    }
    return total;
}

// Rankings as the wizard gives them most of the time; now and then rows without
// players in the middle, or a total that is not the sum of the rows, which the search
// must take as the plain enumeration does.
bool Generate(std::mt19937& random, Generated& out) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    StaircaseState& state = out.state;
    state = StaircaseState{};
    const int shape = pick(0, 9);
    const int rows = shape < 3 ? 12 : pick(1, 12);
    const int largest = pick(1, 6);
    int total = 0;
    for (int r = 1; r <= rows; ++r) {
        int count = pick(1, largest);
        if (shape == 9 && pick(0, 3) == 0) {
            count = 0;
        }
        state.Rankings[r].Name = QStringLiteral("R%1").arg(r);
        state.Rankings[r].Count = count;
        total += count;
    }
    const int q = pick(1, 5);
    const int qualifiersIn = pick(0, 3) == 0 ? 0 : pick(0, std::min(6, total));
    state.QualifiersOut = static_cast<std::int16_t>(q);
    state.QualifiersIn = static_cast<std::int16_t>(qualifiersIn);
    state.TotalPlayers = static_cast<std::int16_t>(total + qualifiersIn);
    if (shape == 8) {
        state.TotalPlayers = static_cast<std::int16_t>(state.TotalPlayers + pick(-2, 2));
    }
    out.maxTours = pick(4, 9);
    out.removeSpread = pick(0, 3) != 0;
    if (BoxSize(q, state.TotalPlayers, out.maxTours) > 150000) {
        return false;
    }
    std::ostringstream text;
    text << "q=" << q << " Q=" << qualifiersIn << " P=" << state.TotalPlayers
         << " N=" << out.maxTours << " remove=" << out.removeSpread << " rows=";
    for (int r = 1; r <= rows; ++r) {
        text << state.Rankings[r].Count << ' ';
    }
    out.description = text.str();
    return true;
}

void ExpectSameSearch(const Generated& input) {
    StaircaseState expected = input.state;
    StaircaseState actual = input.state;
    ScriptedPrompter expectedPrompter;
    ScriptedPrompter actualPrompter;
    const int expectedCount =
        ReferenceSearch::Search(expected, expectedPrompter, input.maxTours, input.removeSpread);
    StaircaseSearch search(actual, actualPrompter);
    const int actualCount = search.SearchSolutions(input.maxTours, input.removeSpread);
    ASSERT_EQ(actualCount, expectedCount) << input.description;
    ASSERT_EQ(actual.Iterations, expected.Iterations) << input.description;
    ASSERT_EQ(actual.SolutionCount, expected.SolutionCount) << input.description;
    ASSERT_EQ(actual.StoredSolutions, expected.StoredSolutions) << input.description;
    ASSERT_EQ(actual.Solutions, expected.Solutions) << input.description;
    ASSERT_EQ(actualPrompter.texts(), expectedPrompter.texts()) << input.description;
}

}  // namespace

TEST(SearchEquivalence, MatchesThePlainEnumerationOnGeneratedInputs) {
    std::mt19937 random(20260409);
    int compared = 0;
    int withSolutions = 0;
    int withMessages = 0;
    while (compared < 1500) {
        Generated input;
        if (!Generate(random, input)) {
            continue;
        }
        ExpectSameSearch(input);
        if (HasFatalFailure()) {
            return;
        }
        ++compared;
        StaircaseState probe = input.state;
        ScriptedPrompter prompter;
        ReferenceSearch::Search(probe, prompter, input.maxTours, input.removeSpread);
        withSolutions += probe.SolutionCount > 0 ? 1 : 0;
        withMessages += prompter.texts().isEmpty() ? 0 : 1;
    }
    // The generated inputs must exercise what they are meant to.
    EXPECT_GT(withSolutions, 500);
    EXPECT_GT(withMessages, 50);
}
