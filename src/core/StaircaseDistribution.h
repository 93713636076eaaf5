#pragma once

#include "StaircaseState.h"
#include "StaircaseWalk.h"

// The distribution of one stored staircase over the tours of the state: Steps and the
// Placed counters are cleared, then each tour gets its positions and arriving winners
// and its direct entrants. What else is noted on the way is the hooks' business; they
// derive from StepsWriter, which writes the entries.

class StepsWriter : public SilentWalkHooks {
public:
    explicit StepsWriter(StaircaseState& state) : state_(state) {}

    void ranked(int tour, int entry, int row, int count) {
        StepEntry& target = state_.Steps[tour].Entries[entry];
        target.Name = state_.Rankings[row].Name;
        target.Count += count;
        state_.Rankings[row].Placed += count;
    }
    void qualifiers(int tour, int entry, int count) {
        StepEntry& target = state_.Steps[tour].Entries[entry];
        target.Name = QStringLiteral("q");
        target.Count += count;
    }

protected:
    StaircaseState& state_;
};

// Returns where the walk ended: whether a ranking spread over more than two tours and
// whether, and how, it overflowed the step table.
template <typename Hooks>
WalkPoint DistributeStaircase(StaircaseState& state, const StaircaseSolution& solution,
                              Hooks& hooks) {
    state.ResetSteps();
    const WalkRows rows = state.walkRows();
    const int tours = solution.tours();
    WalkPoint walk;
    for (int t = 1; t <= tours && walk.overflow == WalkPoint::Overflow::None; ++t) {
        StaircaseStep& step = state.Steps[t];
        step.Positions = 2 * solution.Matches[static_cast<std::size_t>(t)];
        if (t < StaircaseSolution::MaxTours) {
            step.Arriving = solution.Matches[static_cast<std::size_t>(t + 1)];
        }
        WalkTour(walk, rows, t, step.Positions - step.Arriving, t < tours, hooks);
    }
    return walk;
}
