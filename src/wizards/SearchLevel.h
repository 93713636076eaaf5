#pragma once

#include "core/StaircaseRecords.h"
#include "core/StaircaseWalk.h"

#include <array>
#include <cstdint>

class Prompter;
class RankedLayout;
class SolutionTally;
class StaircaseState;

// One level of the staircase search: every candidate of L tours, figures 2 to L - 1
// running down from their bounds, outermost first, and figure L making the total.
//
// The result is the plain enumeration's, candidate for candidate, but its cost follows
// the candidates that can pass the arithmetic checks rather than the box they lie in:
// the iterations of the box are counted by multiplication, a figure runs only over the
// values that leave a feasible remainder, the distribution of a tour is carried down to
// the figures that follow it, and the innermost figure is judged in runs of values that
// put the same rankings at the borders of the last three tours.
class SearchLevel {
public:
    struct Figures {
        int qualifiersOut = 0;  // q
        int players = 0;        // P, incoming qualifiers included
        int qualifiersIn = 0;   // Q
    };

    SearchLevel(StaircaseState& state, Prompter& prompter, SolutionTally& tally,
                const RankedLayout& layout, const WalkRows& rows, const Figures& figures, int tours,
                bool removeSpread);

    void run();

private:
    int& figure(int t) { return figures_[static_cast<std::size_t>(t)]; }
    int bound(int t) const { return bounds_[static_cast<std::size_t>(t)]; }

    void descend(int depth, const WalkPoint& walk, int sum);
    int largestRemainder(int depth, int value) const;
    bool beyondHope(const WalkPoint& walk, int depth, int sum) const;
    bool mayOverflow(int row, int window) const;

    void innermost(const WalkPoint& walk, int sum);
    void judgeRuns(const WalkPoint& walk, int high, int low, int rest);
    void judgeOne(const WalkPoint& walk, int x, int rest);
    void acceptRange(int high, int low, int rest);
    void tellOverflow(WalkPoint::Overflow kind, std::int64_t times);
    std::int64_t runIndex() const;

    StaircaseState& state_;
    Prompter& prompter_;
    SolutionTally& tally_;
    const RankedLayout& layout_;
    const WalkRows& rows_;
    const Figures values_;
    const int tours_;
    const bool removeSpread_;
    const bool earlyStop_;
    std::array<int, 10> bounds_{};
    std::array<int, 10> figures_{};
    bool firstRunOnly_ = false;
    bool stopped_ = false;
};
