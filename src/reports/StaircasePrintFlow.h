#pragma once

#include "TQR1EscalierTab.h"

#include "core/StaircaseState.h"

#include <memory>
#include <vector>

class Prompter;

// The print of staircase solutions: all the stored solutions, five at most a page and 50
// pages at most, or one solution. The reports work on a copy of the state, so that
// printing leaves the staircase view's steps as they were.
class StaircasePrintFlow {
public:
    static constexpr int SlotCount = 50;
    static constexpr int PerPage = 5;

    struct Reports {
        std::unique_ptr<StaircaseState> state;
        std::vector<std::unique_ptr<TQR1EscalierTab>> pages;
        QString message;  // the solutions left out, when there are some
    };

    static QString AllQuestion(int storedSolutions);
    static QString LeftOutMessage(int printed, int leftOut);

    // Solution 1 alone when no solution is stored.
    static Reports PrintAll(const StaircaseState& state, const TQR1EscalierTab::Texts& texts);
    // One solution; solution 1 when no solution is stored.
    static Reports PrintOne(const StaircaseState& state, const TQR1EscalierTab::Texts& texts,
                            int solution);
    // The staircase view's print command: all the solutions when the user says so, else
    // the current one. The message of the solutions left out is told through prompter.
    static Reports Print(const StaircaseState& state, const TQR1EscalierTab::Texts& texts,
                         int currentSolution, Prompter& prompter);
};
