#pragma once

#include <optional>

class SkeletonWriter;
struct StaircaseStep;

// Where the next direct entrant of a staggered-entry skeleton goes, and the working
// values that choice keeps from entrant to entrant and from tour to tour.
//
// Power of two mode (the outgoing qualifiers are a power of two): the column of the tour
// is cut into one block per outgoing qualifier; the running position number gives a line
// (ColumnOrder), and the entrant settles on the first free line from there towards the
// middle of its block. Other mode: the first Q x 2^s lines are cut into Q blocks and each
// pass of Q entrants puts one entrant into each block, alternately from the bottom block
// upward and from the top block downward.
class StaggeredLineChoice {
public:
    StaggeredLineChoice(SkeletonWriter& writer, int qualifiersOut, int dimension, int tourCount,
                        int seeds);

    // Tour s, played as round `round`; placed is the entrants placed so far.
    void startTour(int s, int round, bool balanced, int placed);
    void nextPosition() { ++p_; }
    // The line for the entrant; 0 (or below) when there is none, so that the caller ends
    // the tour with its message; no value when the choice ended the tour itself, after
    // telling why.
    std::optional<int> chooseLine();
    // The reservation step of the power of two mode, after every placement.
    void afterPlacement(int h, int placed);
    void endTour(const StaircaseStep& step);

    int positionNumber() const { return p_; }

private:
    int powerOfTwoLine();
    int firstFreeOfColumn();
    std::optional<int> otherLine();
    void release();

    SkeletonWriter& writer_;
    const int qualifiersOut_;
    const int dimension_;
    const int tourCount_;
    const int seeds_;
    const bool powerOfTwo_;
    int p_ = 0;
    int d_ = -1;
    int m_ = 1;
    int b_ = 1;
    int r_ = 0;
    int tour_ = 0;
    int round_ = 0;
    int t_ = 0;
    bool balanced_ = false;
    bool bottom_ = false;
    std::optional<int> reserved_;
};
