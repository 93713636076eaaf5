#include "StaircaseState.h"

#include "Prompter.h"
#include "StaircaseWalk.h"

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

// Writes the distribution into Steps and the Placed counters, and tells an overflow.
class StepsWriter {
public:
    StepsWriter(StaircaseState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

    void tourStarted(int, int, int) {}
    void rowLeft(int, int) {}
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
    void overflow(WalkPoint::Overflow kind) {
        prompter_.message(kind == WalkPoint::Overflow::Rows
                              ? StaircaseState::TourOverflowMessage()
                              : StaircaseState::EntryOverflowMessage());
    }

private:
    StaircaseState& state_;
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
    ResetSteps();
    const WalkRows rows = walkRows();
    const int tours = solution.tours();
    StepsWriter writer(*this, prompter);
    WalkPoint walk;
    for (int t = 1; t <= tours; ++t) {
        StaircaseStep& step = Steps[t];
        step.Positions = 2 * solution.Matches[static_cast<std::size_t>(t)];
        if (t < StaircaseSolution::MaxTours) {
            step.Arriving = solution.Matches[static_cast<std::size_t>(t + 1)];
        }
        // The table has eight entries per tour: a qualifier that would need a ninth is
        // the same overflow as a ninth ranking.
        WalkTour(walk, rows, t, step.Positions - step.Arriving, t < tours, writer);
        if (walk.overflow != WalkPoint::Overflow::None) {
            return true;
        }
    }
    return walk.spread;
}
