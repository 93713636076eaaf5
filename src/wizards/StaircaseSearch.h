#pragma once

class Prompter;
class StaircaseState;
struct StaircaseSolution;

// The search for staircases of a staggered-entry draw: either the one staircase of equal
// tours computed directly, or every candidate up to a number of tours, the accepted ones
// counted and the first 200 stored. Works on the shared staircase state; the only thing
// it tells the user is an overflow of the step table met while building a candidate.
class StaircaseSearch {
public:
    static constexpr int MaxTours = 9;

    StaircaseSearch(StaircaseState& state, Prompter& prompter)
        : state_(state), prompter_(prompter) {}

    // After the wizard has read its grid into the rankings and summed their counts: the
    // couples adjustment (without incoming qualifiers), the total with the qualifiers,
    // and an empty solution table.
    void PrepareSearch();
    // Whether the staircase of equal tours is shown instead of a search.
    bool DirectSolutionApplies(bool otherSolutions) const;
    void DirectSolution();
    // Searches the levels of 3 to maxTours tours (3 and 4 always); returns the count of
    // accepted candidates.
    int SearchSolutions(int maxTours, bool removeSpread);
    // One candidate on its own: counted, checked, built when asked, stored when accepted.
    // Figures 2 to tours - 1 are the candidate's; figure tours is computed. Returns
    // whether it was accepted.
    bool EvaluateCandidate(const StaircaseSolution& figures, int tours, bool removeSpread);

    // The number of tours of the direct staircase: the smallest k with (k + 1) q >= P;
    // 0 when there are no outgoing qualifiers.
    static int DirectTours(int players, int qualifiersOut);

private:
    StaircaseState& state_;
    Prompter& prompter_;
};
