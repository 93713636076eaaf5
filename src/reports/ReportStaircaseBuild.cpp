#include "ReportStaircaseBuild.h"

#include "core/RankingLadder.h"
#include "core/StaircaseState.h"

namespace {

struct Counter {
    ReportStaircaseBuild::Result& result;
    int span = 0;

    void closeRow() {
        if (span == 1) {
            ++result.oneTour;
        } else if (span == 2) {
            ++result.twoTours;
        }
    }
};

bool exhausted(const RankingRow& row) {
    return row.Placed >= row.Count;
}

}  // namespace

ReportStaircaseBuild::Result ReportStaircaseBuild::Run(StaircaseState& state, int solution,
                                                       const QString& qualifierName) {
    Result result;
    state.ResetSteps();
    if (solution < 1 || solution > StaircaseState::SolutionCapacity) {
        result.drawSize = RankingLadder::NextPowerOfTwo(1, state.QualifiersOut);
        return result;
    }
    const StaircaseSolution& figures = state.Solutions[solution];
    for (int t = 1; t <= StaircaseSolution::MaxTours; ++t) {
        if (figures.Matches[static_cast<std::size_t>(t)] > 0) {
            ++result.tours;
        }
    }
    Counter counter{result};
    int row = 1;
    int placed = 0;
    bool paired = false;
    const int lastRanked = state.TotalPlayers - 2 * state.QualifiersIn;
    // A stored solution has passed the staircase distribution, so it needs at most 12
    // ranking rows and 8 entries a tour. Other figures stop the build where they would
    // overflow: what was shared out until then is printed.
    bool overflow = false;
    for (int t = 1; t <= result.tours && !overflow; ++t) {
        StaircaseStep& step = state.Steps[t];
        int k = 1;
        step.Positions = 2 * figures.Matches[static_cast<std::size_t>(t)];
        if (t < StaircaseSolution::MaxTours) {
            step.Arriving = figures.Matches[static_cast<std::size_t>(t + 1)];
        }
        ++counter.span;
        if (counter.span > 2 && row <= StaircaseState::RankingCount) {
            result.spread.append({state.Rankings[row].Name, counter.span});
        }
        for (int j = 1; j <= step.Positions - step.Arriving;) {
            if (row <= StaircaseState::RankingCount && exhausted(state.Rankings[row])) {
                k += paired ? 2 : 1;
                paired = false;
                counter.closeRow();
                counter.span = 1;
                ++row;
            }
            if (row > StaircaseState::RankingCount || k > StaircaseStep::EntryCount) {
                overflow = true;
                break;
            }
            step.Entries[k].Name = state.Rankings[row].Name;
            ++step.Entries[k].Count;
            ++state.Rankings[row].Placed;
            ++placed;
            if (placed > lastRanked && k < StaircaseStep::EntryCount) {
                step.Entries[k + 1].Name = qualifierName;
                ++step.Entries[k + 1].Count;
                ++placed;
                paired = true;
                j += 2;
            } else {
                ++j;
            }
        }
        if (!overflow && row <= StaircaseState::RankingCount && exhausted(state.Rankings[row])) {
            counter.closeRow();
            counter.span = 0;
            ++row;
        }
    }
    result.drawSize = RankingLadder::NextPowerOfTwo(1, state.QualifiersOut) << result.tours;
    return result;
}
