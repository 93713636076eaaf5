#pragma once

#include "core/StaircaseState.h"

class Page;
class Prompter;
class StaircaseViewLogic;

// The evaluation of a staircase entered by hand: its tours, read from the entry screen's
// headers, lines and footers, become the steps of the state and the figures of the
// current solution, exactly as the skeleton construction needs them, and the screen says
// how many rankings enter over one and over two tours.
class EntryEvaluation {
public:
    struct Result {
        int tours = 0;
        int dimension = 0;  // as written into the state
        StaircaseSolution solution;
        OneBased<StaircaseStep, StaircaseState::StepCount> steps;
        int oneTour = 0;  // rankings whose lines all stand in one tour
        int twoTour = 0;  // rankings whose lines stand in two tours
    };

    static QString VerdictOneName() { return QStringLiteral("VerdictUnTour"); }
    static QString VerdictTwoName() { return QStringLiteral("VerdictDeuxTours"); }

    // Evaluates the entry of `tours` tours shown on page into state and view (the
    // dimension, the tour count, the current solution) and writes its caption and
    // verdicts; a step of more than eight entries is told through prompter.
    static Result Run(Page& page, StaircaseState& state, StaircaseViewLogic& view, int tours,
                      Prompter& prompter);

private:
    static void verdicts(Page& page, int one, int two);
};
