#include "StaircaseState.h"

#include "Prompter.h"
#include "StaircaseDistribution.h"

#include <algorithm>

int StaircaseSolution::tours() const {
    int count = 0;
    for (int t = 1; t <= MaxTours; ++t) {
        if (Matches[static_cast<std::size_t>(t)] >= 1) {
            ++count;
        }
    }
    return count;
}

void StaircaseState::ResetStaircase() {
    Rankings = {};
    Steps = {};
}

void StaircaseState::ResetSteps() {
    for (RankingRow& row : Rankings) {
        row.Placed = 0;
    }
    Steps = {};
}

void StaircaseState::ClearRankings() {
    Rankings = {};
}

void StaircaseState::ClearSolutions() {
    for (StaircaseSolution& solution : Solutions) {
        std::fill(solution.Matches.begin(), solution.Matches.begin() + 10, 0);
    }
}

QString StaircaseState::TourOverflowMessage() {
    return QStringLiteral("Vous dépassez le nombre maximum de tour dans l'escalier. (%1)")
        .arg(RankingCount);
}

QString StaircaseState::EntryOverflowMessage() {
    return QStringLiteral(
               "Vous dépassez le nombre maximum de classement différents dans une marche de "
               "l'escalier. (%1)")
        .arg(StaircaseStep::EntryCount);
}

namespace {

// Writes the steps and tells an overflow.
class BuildHooks : public StepsWriter {
public:
    BuildHooks(StaircaseState& state, Prompter& prompter)
        : StepsWriter(state), prompter_(prompter) {}

    void overflow(WalkPoint::Overflow kind) {
        prompter_.message(kind == WalkPoint::Overflow::Rows
                              ? StaircaseState::TourOverflowMessage()
                              : StaircaseState::EntryOverflowMessage());
    }

private:
    Prompter& prompter_;
};

}  // namespace

WalkRows StaircaseState::walkRows() const {
    static_assert(WalkRows::RowCount == RankingCount);
    WalkRows rows;
    for (int i = 1; i <= RankingCount; ++i) {
        rows.counts[static_cast<std::size_t>(i - 1)] = Rankings[i].Count;
    }
    rows.rankedAlone = TotalPlayers - 2 * QualifiersIn;
    return rows;
}

bool StaircaseState::BuildStaircase(const StaircaseSolution& solution, Prompter& prompter) {
    // The table has eight entries per tour: a qualifier that would need a ninth is the
    // same overflow as a ninth ranking.
    BuildHooks hooks(*this, prompter);
    const WalkPoint end = DistributeStaircase(*this, solution, hooks);
    return end.spread || end.overflow != WalkPoint::Overflow::None;
}
