#pragma once

#include "SolutionCheck.h"

class StaircaseState;
struct StaircaseSolution;

// The evaluation of one stored staircase: its steps rebuilt in the state by the same
// distribution as the search's build, with the rankings spread over more than two tours,
// the rankings over one and over two tours, and the tours that take incoming qualifiers.
//
// The staircase is incorrect when a ranking enters in more than two tours, when
// qualifiers enter in more than two tours, or when it does not fit the step table: the
// distribution stops where the build would have told an overflow, so that nothing is
// written beyond the twelve rows and eight entries.
class SolutionEvaluator {
public:
    static SolutionCheck Evaluate(StaircaseState& state, const StaircaseSolution& solution);

    // The entries of a draw with these outgoing qualifiers (or players left in the last
    // named round) over this many tours: the power of two not below the qualifiers,
    // doubled once per tour.
    static int DrawDimension(int qualifiersOut, int tours);
};
