#include "ReferenceSearch.h"

#include "common/PlainDistribution.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"

#include <array>

namespace {

constexpr int Capacity = StaircaseState::SolutionCapacity;

int figure(const StaircaseSolution& solution, int t) {
    return solution.Matches[static_cast<std::size_t>(t)];
}

void setFigure(StaircaseSolution& solution, int t, int value) {
    solution.Matches[static_cast<std::size_t>(t)] = static_cast<std::int16_t>(value);
}

struct Enumeration {
    StaircaseState& state;
    Prompter& prompter;
    int tours;
    bool removeSpread;
    std::array<int, 10> bounds{};
    StaircaseSolution figures;
    bool stopped = false;

    void loop(int t) {
        if (t == tours) {
            ReferenceSearch::Evaluate(state, prompter, figures, tours, removeSpread);
            return;
        }
        for (int v = bounds[static_cast<std::size_t>(t)]; v >= 1 && !stopped; --v) {
            setFigure(figures, t, v);
            loop(t + 1);
        }
        if (t == tours - 1 && tours >= 8 && state.SolutionCount > Capacity) {
            stopped = true;
        }
    }
};

}  // namespace

bool ReferenceSearch::Build(StaircaseState& state, const StaircaseSolution& solution,
                            Prompter& prompter) {
    struct Notes {
        Prompter& prompter;
        void spread(const QString&, int) {}
        void left(int) {}
        void qualifier(int) {}
        void overflow(WalkPoint::Overflow kind) {
            prompter.message(kind == WalkPoint::Overflow::Rows
                                 ? StaircaseState::TourOverflowMessage()
                                 : StaircaseState::EntryOverflowMessage());
        }
    } notes{prompter};
    const WalkPoint end = PlainDistribution(state, solution, notes);
    return end.spread || end.overflow != WalkPoint::Overflow::None;
}

void ReferenceSearch::Evaluate(StaircaseState& state, Prompter& prompter,
                               const StaircaseSolution& figures, int tours, bool removeSpread) {
    ++state.Iterations;
    StaircaseSolution a = figures;
    const int players = state.TotalPlayers;
    const int qualifiersIn = state.QualifiersIn;
    int s = 0;
    for (int t = 0; t <= 9; ++t) {
        s += figure(a, t);
    }
    if (s > players) {
        return;
    }
    setFigure(a, tours, players - s);
    for (int t = tours; t >= 1; --t) {
        if (figure(a, t) == 0 || figure(a, t) > 2 * figure(a, t - 1) - 1) {
            return;
        }
    }
    if (figure(a, tours - 1) + figure(a, tours) <= qualifiersIn) {
        return;
    }
    if ((2 * qualifiersIn - figure(a, tours)) / 2 > figure(a, tours - 1)) {
        return;
    }
    if (removeSpread && Build(state, a, prompter)) {
        return;
    }
    ++state.SolutionCount;
    if (state.SolutionCount <= Capacity) {
        state.Solutions[state.SolutionCount] = a;
        state.StoredSolutions = static_cast<std::int16_t>(state.SolutionCount);
    }
}

int ReferenceSearch::Search(StaircaseState& state, Prompter& prompter, int maxTours,
                            bool removeSpread) {
    state.SolutionCount = 0;
    const int q = state.QualifiersOut;
    const int t = state.TotalPlayers - 2 * q;
    const std::array<int, 10> bounds{0, 0, 2 * q - 1, t - 1, t - 2, t - 3, t - 3, t - 4, t - 5, 0};
    for (int tours = 3; tours <= 9; ++tours) {
        if (tours > 4 && maxTours < tours) {
            break;
        }
        Enumeration level{state, prompter, tours, removeSpread, bounds, {}, false};
        setFigure(level.figures, 0, q);
        setFigure(level.figures, 1, q);
        level.loop(2);
    }
    return state.SolutionCount;
}
