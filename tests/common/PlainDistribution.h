#pragma once

#include "core/StaircaseState.h"
#include "core/StaircaseWalk.h"

// The staircase distribution exactly as worded, one player at a time, for comparison
// with the program's: the tests' reference for the build and for the evaluation. The
// notes are told what the walk meets: a ranking at the start of a third tour (spread),
// a ranking left with its span (left), a qualifier placed (qualifier) and an overflow,
// where the walk stops. Returns where it ended.
template <typename Notes>
WalkPoint PlainDistribution(StaircaseState& state, const StaircaseSolution& solution,
                            Notes& notes) {
    state.ResetSteps();
    WalkPoint w;
    const int tours = solution.tours();
    const int rankedPositions = state.TotalPlayers - 2 * state.QualifiersIn;
    const auto stop = [&](WalkPoint::Overflow kind) {
        w.overflow = kind;
        notes.overflow(kind);
        return w;
    };
    int& i = w.row;
    int& p = w.placed;
    int& s = w.span;
    bool& f = w.pair;
    for (int t = 1; t <= tours; ++t) {
        StaircaseStep& step = state.Steps[t];
        step.Positions = 2 * solution.Matches[static_cast<std::size_t>(t)];
        if (t < StaircaseSolution::MaxTours) {
            step.Arriving = solution.Matches[static_cast<std::size_t>(t + 1)];
        }
        int k = 1;
        int j = 1;
        if (++s > 2) {
            w.spread = true;
            notes.spread(state.Rankings[i].Name, s);
        }
        while (j <= step.Positions - step.Arriving) {
            if (state.Rankings[i].Placed >= state.Rankings[i].Count) {
                notes.left(s);
                ++i;
                k += f ? 2 : 1;
                f = false;
                s = 1;
            }
            if (i > StaircaseState::RankingCount) {
                return stop(WalkPoint::Overflow::Rows);
            }
            if (k > StaircaseStep::EntryCount) {
                return stop(WalkPoint::Overflow::Entries);
            }
            step.Entries[k].Name = state.Rankings[i].Name;
            ++step.Entries[k].Count;
            ++state.Rankings[i].Placed;
            ++p;
            ++j;
            if (p > rankedPositions) {
                // A qualifier that would need a ninth entry is the same overflow as a
                // ninth ranking.
                if (k + 1 > StaircaseStep::EntryCount) {
                    return stop(WalkPoint::Overflow::Entries);
                }
                step.Entries[k + 1].Name = QStringLiteral("q");
                ++step.Entries[k + 1].Count;
                notes.qualifier(t);
                ++p;
                ++j;
                f = true;
            }
        }
        if (state.Rankings[i].Placed >= state.Rankings[i].Count) {
            notes.left(s);
            ++i;
            s = 0;
        }
        if (i > StaircaseState::RankingCount && t < tours) {
            return stop(WalkPoint::Overflow::Rows);
        }
    }
    return w;
}
