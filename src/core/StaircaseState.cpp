#include "StaircaseState.h"

#include "Prompter.h"

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

bool StaircaseState::BuildStaircase(const StaircaseSolution& solution, Prompter& prompter) {
    ResetSteps();
    bool spread = false;
    const int tours = solution.tours();
    const int rankedPositions = TotalPlayers - 2 * QualifiersIn;
    int i = 1;          // current ranking row
    int p = 0;          // players placed so far, qualifiers included
    int span = 0;       // tours the current ranking has been present in
    bool pair = false;  // the last entry written was followed by a "q" entry
    const auto overflow = [&prompter](const QString& text) {
        prompter.message(text);
        return true;
    };
    for (int t = 1; t <= tours; ++t) {
        StaircaseStep& step = Steps[t];
        step.Positions = 2 * solution.Matches[static_cast<std::size_t>(t)];
        if (t < StaircaseSolution::MaxTours) {
            step.Arriving = solution.Matches[static_cast<std::size_t>(t + 1)];
        }
        int k = 1;
        int j = 1;
        if (++span > 2) {
            spread = true;
        }
        while (j <= step.Positions - step.Arriving) {
            if (Rankings[i].Placed >= Rankings[i].Count) {
                ++i;
                k += pair ? 2 : 1;
                pair = false;
                span = 1;
            }
            if (i > RankingCount) {
                return overflow(TourOverflowMessage());
            }
            if (k > StaircaseStep::EntryCount) {
                return overflow(EntryOverflowMessage());
            }
            step.Entries[k].Name = Rankings[i].Name;
            ++step.Entries[k].Count;
            ++Rankings[i].Placed;
            ++p;
            ++j;
            if (p > rankedPositions) {
                // The table has eight entries per tour: a qualifier that would need a
                // ninth is the same overflow as a ninth ranking.
                if (k + 1 > StaircaseStep::EntryCount) {
                    return overflow(EntryOverflowMessage());
                }
                step.Entries[k + 1].Name = QStringLiteral("q");
                ++step.Entries[k + 1].Count;
                ++p;
                ++j;
                pair = true;
            }
        }
        if (Rankings[i].Placed >= Rankings[i].Count) {
            ++i;
            span = 0;
        }
        if (i > RankingCount && t < tours) {
            return overflow(TourOverflowMessage());
        }
    }
    return spread;
}
