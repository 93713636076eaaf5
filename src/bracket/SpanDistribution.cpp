#include "SpanDistribution.h"

#include "core/RankingLadder.h"
#include "core/StaircaseState.h"

namespace {

bool exhausted(const RankingRow& row) {
    return row.Placed >= row.Count;
}

}  // namespace

SpanDistribution SpanDistribution::Build(StaircaseState& state, int solutionNumber) {
    SpanDistribution result;
    state.ResetSteps();
    StaircaseSolution solution;
    if (solutionNumber >= 1 && solutionNumber <= StaircaseState::SolutionCapacity) {
        solution = state.Solutions[solutionNumber];
    }
    result.Tours = solution.tours();
    result.Entries = RankingLadder::NextPowerOfTwo(1, state.QualifiersOut) << result.Tours;

    const int rankedPositions = state.TotalPlayers - 2 * state.QualifiersIn;
    int i = 1;
    int p = 0;
    int span = 0;
    bool pair = false;
    const auto leaveRow = [&] {
        if (span == 1) {
            ++result.OneTourCount;
        } else if (span == 2) {
            ++result.TwoTourCount;
        }
        ++i;
    };
    for (int t = 1; t <= result.Tours; ++t) {
        StaircaseStep& step = state.Steps[t];
        step.Positions = 2 * solution.Matches[static_cast<std::size_t>(t)];
        if (t < StaircaseSolution::MaxTours) {
            step.Arriving = solution.Matches[static_cast<std::size_t>(t + 1)];
        }
        int k = 1;
        ++span;
        if (span > 2 && i <= StaircaseState::RankingCount &&
            result.LongSpans.size() < LongSpanCapacity) {
            result.LongSpans.append({state.Rankings[i].Name, span});
        }
        for (int j = 1; j <= step.Positions - step.Arriving;) {
            if (exhausted(state.Rankings[i])) {
                leaveRow();
                k += pair ? 2 : 1;
                pair = false;
                span = 1;
            }
            if (i > StaircaseState::RankingCount || k > StaircaseStep::EntryCount) {
                return result;
            }
            RankingRow& row = state.Rankings[i];
            step.Entries[k].Name = row.Name;
            ++step.Entries[k].Count;
            ++row.Placed;
            ++p;
            ++j;
            if (p > rankedPositions) {
                if (k + 1 > StaircaseStep::EntryCount) {
                    return result;
                }
                step.Entries[k + 1].Name = QStringLiteral("q");
                ++step.Entries[k + 1].Count;
                ++p;
                ++j;
                pair = true;
            }
        }
        if (exhausted(state.Rankings[i])) {
            leaveRow();
            span = 0;
        }
        if (i > StaircaseState::RankingCount) {
            return result;
        }
    }
    return result;
}
