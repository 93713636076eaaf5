#pragma once

#include "core/StaircaseRecords.h"

class Prompter;
class StaircaseState;

// The search exactly as worded, for comparison with the program's: nested loops over
// the whole box of candidates, every candidate evaluated on its own and its staircase
// built player by player. Far too slow for large draws; the tests keep it small.
class ReferenceSearch {
public:
    // The staircase build, one player at a time.
    static bool Build(StaircaseState& state, const StaircaseSolution& solution, Prompter& prompter);
    // One candidate: counted, checked, built when asked, stored when accepted.
    static void Evaluate(StaircaseState& state, Prompter& prompter,
                         const StaircaseSolution& figures, int tours, bool removeSpread);
    // Every level from 3 tours to maxTours, with the early stop of levels 8 and 9.
    static int Search(StaircaseState& state, Prompter& prompter, int maxTours, bool removeSpread);
};
