#include "SearchLevel.h"

#include "RankedLayout.h"
#include "SolutionTally.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"

#include <algorithm>

namespace {

constexpr int Capacity = StaircaseState::SolutionCapacity;
constexpr int EntryCount = StaircaseStep::EntryCount;

// The smallest whole number not below n / 2.
int ceilHalf(int n) {
    return n >= 0 ? (n + 1) / 2 : -(-n / 2);
}

}  // namespace

SearchLevel::SearchLevel(StaircaseState& state, Prompter& prompter, SolutionTally& tally,
                         const RankedLayout& layout, const WalkRows& rows, const Figures& figures,
                         int tours, bool removeSpread)
    : state_(state),
      prompter_(prompter),
      tally_(tally),
      layout_(layout),
      rows_(rows),
      values_(figures),
      tours_(tours),
      removeSpread_(removeSpread),
      earlyStop_(tours >= 8) {
    const int q = figures.qualifiersOut;
    const int t = figures.players - 2 * q;
    // Figure 6 has the same bound as figure 5: the enumeration has always run so.
    bounds_ = {0, 0, 2 * q - 1, t - 1, t - 2, t - 3, t - 3, t - 4, t - 5, 0};
    figure(0) = q;
    figure(1) = q;
}

void SearchLevel::run() {
    std::int64_t box = 1;
    for (int t = 2; t <= tours_ - 1; ++t) {
        if (bound(t) < 1) {
            return;  // a loop that does not run: the level has no candidate
        }
        box = SolutionTally::SaturatedProduct(box, bound(t));
    }
    // The levels of 8 and 9 tours stop after the innermost run that takes the count
    // above 200; started above it, they stop after their first run.
    firstRunOnly_ = earlyStop_ && state_.SolutionCount > Capacity;
    descend(2, WalkPoint{}, 2 * values_.qualifiersOut);
    const int innermostBound = bound(tours_ - 1);
    if (stopped_) {
        box = SolutionTally::SaturatedProduct(SolutionTally::SaturatedSum(runIndex(), 1),
                                              innermostBound);
    } else if (firstRunOnly_) {
        box = innermostBound;
    }
    tally_.addIterations(box);
}

void SearchLevel::descend(int depth, const WalkPoint& walk, int sum) {
    if (depth == tours_ - 1) {
        innermost(walk, sum);
        return;
    }
    // Above twice the previous figure less one, or leaving less than one match for each
    // figure after it, a value is rejected whatever follows.
    const int feasibleTop = std::min(
        {bound(depth), 2 * figure(depth - 1) - 1, values_.players - sum - (tours_ - depth)});
    int top = feasibleTop;
    int bottom = 1;
    if (firstRunOnly_) {
        if (bound(depth) > feasibleTop) {
            return;
        }
        top = bottom = bound(depth);
    }
    SilentWalkHooks silent;
    for (int v = top; v >= bottom && !stopped_; --v) {
        // Smaller values leave even more to the figures after them than they can hold.
        if (sum + v + largestRemainder(depth, v) < values_.players) {
            break;
        }
        figure(depth) = v;
        WalkPoint next = walk;
        if (removeSpread_) {
            // The distribution of tour depth - 1 is fixed by the figures up to depth.
            WalkTour(next, rows_, depth - 1, 2 * figure(depth - 1) - v, true, silent);
            if (beyondHope(next, depth, sum + v)) {
                continue;
            }
        }
        descend(depth + 1, next, sum + v);
    }
}

int SearchLevel::largestRemainder(int depth, int value) const {
    int total = 0;
    int previous = value;
    for (int t = depth + 1; t <= tours_ - 1; ++t) {
        previous = std::min(bound(t), 2 * previous - 1);
        total += previous;
    }
    return total + 2 * previous - 1;
}

bool SearchLevel::beyondHope(const WalkPoint& walk, int depth, int sum) const {
    if (!layout_.regular() || walk.overflow != WalkPoint::Overflow::None) {
        return false;
    }
    // The current ranking enters the next tour a third time: nothing below is accepted,
    // and nothing below is seen unless a step can still overflow. No tour below holds
    // more positions than twice the largest figure the remainder allows.
    if (!walk.spread && walk.span < 2) {
        return false;
    }
    const int value = figures_[static_cast<std::size_t>(depth)];
    const int rest = values_.players - sum;
    int largest = 0;
    int previous = value;
    for (int t = depth + 1; t <= tours_ - 1; ++t) {
        previous = std::min(bound(t), 2 * previous - 1);
        largest = std::max(largest, previous);
    }
    largest = std::min(rest, std::max(largest, 2 * previous - 1));
    const int window = std::min(values_.players - walk.placed, std::max(2 * value, 2 * largest));
    return !mayOverflow(walk.row, window);
}

bool SearchLevel::mayOverflow(int row, int window) const {
    const int qualifiersIn = values_.qualifiersIn;
    if (qualifiersIn >= 1 && layout_.rowCount() == WalkRows::RowCount) {
        // A pair split between two tours leaves the last tour one player short, and the
        // walk then leaves the twelve rows.
        return true;
    }
    if (window >= layout_.overflowWindow(row)) {
        return true;
    }
    // With a pair split between tours L - 2 and L - 1, the last tour, all in pairs, also
    // takes the row after the last ranking and a qualifier.
    return qualifiersIn >= 1 && std::min(window, 2 * qualifiersIn) >= layout_.splitOverflowWindow();
}

void SearchLevel::innermost(const WalkPoint& walk, int sum) {
    const int rest = values_.players - sum;  // figures L - 1 and L together
    const int qualifiersIn = values_.qualifiersIn;
    if (rest > qualifiersIn) {
        const int high = std::min({bound(tours_ - 1), 2 * figure(tours_ - 2) - 1, rest - 1});
        const int low = std::max(
            {1, (rest + 3) / 3, rest >= 2 * qualifiersIn ? 1 : 2 * qualifiersIn - rest - 1});
        if (low <= high) {
            if (!removeSpread_) {
                acceptRange(high, low, rest);
            } else if (walk.overflow != WalkPoint::Overflow::None) {
                tellOverflow(walk.overflow, high - low + 1);
            } else if (layout_.regular()) {
                judgeRuns(walk, high, low, rest);
            } else {
                for (int x = high; x >= low; --x) {
                    judgeOne(walk, x, rest);
                }
            }
        }
    }
    if (earlyStop_ && state_.SolutionCount > Capacity) {
        stopped_ = true;
    }
}

void SearchLevel::judgeRuns(const WalkPoint& walk, int high, int low, int rest) {
    const RankedLayout& layout = layout_;
    const int players = values_.players;
    const int qualifiersIn = values_.qualifiersIn;
    const int alone = layout.rankedAlone();
    const int n = layout.rowCount();
    const int firstPaired = layout.firstPairedRow();
    const int first = walk.row;
    const bool carried = walk.span >= 1;
    const bool prefixSpread = walk.spread || walk.span >= 2;
    // The one value whose tour L - 2 ends between a player and its qualifier: the pair
    // takes a position of tour L - 1 and the last tour comes one player short.
    const int split = 2 * qualifiersIn - rest - 1;
    const bool splitInRun = qualifiersIn >= 1 && split >= low && split <= high;
    if (prefixSpread && !mayOverflow(first, players - walk.placed)) {
        if (splitInRun) {
            judgeOne(walk, split, rest);
        }
        return;
    }
    // Tour L - 2 ends at position a - x, tour L - 1 at position b + 2x.
    const int a = players - rest;
    const int b = players - 2 * rest;
    for (int x = high; x >= low;) {
        if (splitInRun && x == split) {
            judgeOne(walk, x, rest);
            --x;
            continue;
        }
        const int endOfLast = layout.rankedUpTo(b + 2 * x);
        const int rowA = layout.rowOfRanked(a - x);          // last row of tour L - 2
        const int rowB = layout.rowOfRanked(a - x + 1);      // first row of tour L - 1
        const int rowC = layout.rowOfRanked(endOfLast);      // last row of tour L - 1
        const int rowD = layout.rowOfRanked(endOfLast + 1);  // first row of tour L
        const bool pairsInL1 = endOfLast > alone;
        // The lowest value that keeps the same four rows at the borders.
        int end =
            std::max({low, a - layout.rankedThrough(rowA), a + 1 - layout.rankedThrough(rowB),
                      ceilHalf(layout.positionOfRanked(layout.rankedThrough(rowC - 1) + 1) - b)});
        if (rowD > 1) {
            end = std::max(end,
                           ceilHalf(layout.positionOfRanked(layout.rankedThrough(rowD - 1)) - b));
        }
        if (pairsInL1) {
            end = std::max(end, ceilHalf(layout.positionOfRanked(alone + 1) - b));
        }
        if (splitInRun && split < x) {
            end = std::max(end, split + 1);
        }
        const int entries = std::max(
            {rowA - first + 1,
             rowC - rowB + 1 + (pairsInL1 ? rowC - std::max(rowB, firstPaired) + 1 : 0),
             n - rowD + 1 + (qualifiersIn >= 1 ? n - std::max(rowD, firstPaired) + 1 : 0)});
        const bool spread = prefixSpread || (carried && rowB == first) || rowD == rowA;
        if (entries > EntryCount) {
            tellOverflow(WalkPoint::Overflow::Entries, x - end + 1);
        } else if (!spread) {
            acceptRange(x, end, rest);
        }
        x = end - 1;
    }
}

void SearchLevel::judgeOne(const WalkPoint& walk, int x, int rest) {
    SilentWalkHooks silent;
    WalkPoint w = walk;
    WalkTour(w, rows_, tours_ - 2, 2 * figure(tours_ - 2) - x, true, silent);
    WalkTour(w, rows_, tours_ - 1, 2 * x - (rest - x), true, silent);
    WalkTour(w, rows_, tours_, 2 * (rest - x), false, silent);
    if (w.overflow != WalkPoint::Overflow::None) {
        tellOverflow(w.overflow, 1);
    } else if (!w.spread) {
        acceptRange(x, x, rest);
    }
}

void SearchLevel::acceptRange(int high, int low, int rest) {
    int x = high;
    for (; x >= low && tally_.storing(); --x) {
        StaircaseSolution candidate;
        for (int t = 0; t <= tours_ - 2; ++t) {
            candidate.Matches[static_cast<std::size_t>(t)] = static_cast<std::int16_t>(figure(t));
        }
        candidate.Matches[static_cast<std::size_t>(tours_ - 1)] = static_cast<std::int16_t>(x);
        candidate.Matches[static_cast<std::size_t>(tours_)] = static_cast<std::int16_t>(rest - x);
        tally_.accept(candidate);
    }
    tally_.acceptUnstored(x - low + 1);
}

void SearchLevel::tellOverflow(WalkPoint::Overflow kind, std::int64_t times) {
    const QString text = kind == WalkPoint::Overflow::Rows ? StaircaseState::TourOverflowMessage()
                                                           : StaircaseState::EntryOverflowMessage();
    for (std::int64_t i = 0; i < times; ++i) {
        prompter_.message(text);
    }
}

std::int64_t SearchLevel::runIndex() const {
    std::int64_t index = 0;
    for (int d = 2; d <= tours_ - 2; ++d) {
        index = SolutionTally::SaturatedSum(SolutionTally::SaturatedProduct(index, bound(d)),
                                            bound(d) - figures_[static_cast<std::size_t>(d)]);
    }
    return index;
}
