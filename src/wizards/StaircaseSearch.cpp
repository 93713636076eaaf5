#include "StaircaseSearch.h"

#include "RankedLayout.h"
#include "SearchLevel.h"
#include "SolutionTally.h"
#include "core/StaircaseState.h"
#include "core/StaircaseWalk.h"

#include <cassert>
#include <cstdint>

void StaircaseSearch::PrepareSearch() {
    const int q = state_.QualifiersOut;
    if (state_.QualifiersIn == 0) {
        // The weakest players are the couples: half the weakest ranking, and half the next
        // one when that is fewer than the outgoing qualifiers.
        int i = StaircaseState::RankingCount;
        while (i >= 1 && state_.Rankings[i].Count == 0) {
            --i;
        }
        if (i >= 1) {
            int c = state_.Rankings[i].Count / 2;
            if (c < q && i > 1) {
                c += state_.Rankings[i - 1].Count / 2;
            }
            if (c > state_.Couples) {
                state_.Couples = static_cast<std::int16_t>(c);
            }
        }
    }
    state_.StoredSolutions = 0;
    state_.TotalPlayers = static_cast<std::int16_t>(state_.TotalPlayers + state_.QualifiersIn);
    state_.ClearSolutions();
}

int StaircaseSearch::DirectTours(int players, int qualifiersOut) {
    if (qualifiersOut < 1) {
        return 0;
    }
    int k = 1;
    while ((k + 1) * qualifiersOut < players) {
        ++k;
    }
    return k;
}

bool StaircaseSearch::DirectSolutionApplies(bool otherSolutions) const {
    if (otherSolutions || state_.Couples != state_.QualifiersOut) {
        return false;
    }
    // Equal tours that would need more than the nine tours a staircase has (more players
    // than ten times the qualifiers) cannot be shown: the search runs instead and finds
    // the staircases that fit.
    const int k = DirectTours(state_.TotalPlayers, state_.QualifiersOut);
    return k >= 1 && k <= MaxTours;
}

void StaircaseSearch::DirectSolution() {
    const int q = state_.QualifiersOut;
    const int k = DirectTours(state_.TotalPlayers, q);
    if (k < 1 || k > MaxTours) {
        return;  // no staircase of equal tours fits (see DirectSolutionApplies)
    }
    state_.SingleSolution = true;
    StaircaseSolution& solution = state_.Solutions[1];
    for (int t = 0; t < k; ++t) {
        solution.Matches[static_cast<std::size_t>(t)] = static_cast<std::int16_t>(q);
    }
    solution.Matches[static_cast<std::size_t>(k)] =
        static_cast<std::int16_t>(state_.TotalPlayers - k * q);
}

int StaircaseSearch::SearchSolutions(int maxTours, bool removeSpread) {
    // Candidate by candidate, the staircase build would leave in Steps the distribution
    // of the last candidate it checked. Nothing reads Steps before the staircase view
    // rebuilds them, so the search does not write them.
    state_.SolutionCount = 0;
    const WalkRows rows = state_.walkRows();
    const RankedLayout layout(rows, state_.TotalPlayers, state_.QualifiersIn);
    const SearchLevel::Figures figures{state_.QualifiersOut, state_.TotalPlayers,
                                       state_.QualifiersIn};
    SolutionTally tally(state_);
    for (int tours = 3; tours <= MaxTours; ++tours) {
        if (tours > 4 && maxTours < tours) {
            break;
        }
        SearchLevel(state_, prompter_, tally, layout, rows, figures, tours, removeSpread).run();
    }
    if (state_.SolutionCount > 0) {
        state_.SingleSolution = false;
    }
    return state_.SolutionCount;
}

bool StaircaseSearch::EvaluateCandidate(const StaircaseSolution& figures, int tours,
                                        bool removeSpread) {
    assert(tours >= 2 && tours <= MaxTours);
    SolutionTally tally(state_);
    tally.addIterations(1);
    StaircaseSolution a = figures;
    const auto at = [&a](int t) -> int { return a.Matches[static_cast<std::size_t>(t)]; };
    const int players = state_.TotalPlayers;
    const int qualifiersIn = state_.QualifiersIn;
    int sum = 0;  // in int: sixteen-bit figures could wrap
    for (int t = 0; t <= StaircaseSolution::MaxTours; ++t) {
        sum += at(t);
    }
    if (sum > players) {
        return false;
    }
    a.Matches[static_cast<std::size_t>(tours)] = static_cast<std::int16_t>(players - sum);
    for (int t = tours; t >= 1; --t) {
        if (at(t) == 0 || at(t) > 2 * at(t - 1) - 1) {
            return false;
        }
    }
    if (at(tours - 1) + at(tours) <= qualifiersIn) {
        return false;
    }
    // Integer division truncates toward zero: with no qualifier and one match, 0, not -1.
    if ((2 * qualifiersIn - at(tours)) / 2 > at(tours - 1)) {
        return false;
    }
    if (removeSpread && state_.BuildStaircase(a, prompter_)) {
        return false;
    }
    tally.accept(a);
    return true;
}
