#pragma once

#include <QList>
#include <QString>

class StaircaseState;

// The staircase of a stored solution as the staggered-entry panel shows it: the players
// of the ranking rows distributed over the tours from the best ranking on, the weakest
// ones each paired with an incoming qualifier (the distribution of the staircase build),
// counting how many tours each ranking spans. Fills the state's Steps and Placed.
class SpanDistribution {
public:
    struct LongSpan {
        QString ranking;
        int tours = 0;
    };
    static constexpr int LongSpanCapacity = 12;

    int Tours = 0;         // L, the tours of the solution
    int Entries = 0;       // P, the entries of the draw
    int OneTourCount = 0;  // rankings whose players all enter in one tour
    int TwoTourCount = 0;  // rankings whose players enter over two tours
    // One place per tour beyond the second that a ranking enters in.
    QList<LongSpan> LongSpans;

    // A solution number outside the stored table stands for a staircase of no tour.
    // The distribution stops at the sizes of the tables (twelve rankings, eight entries
    // per tour): what it placed until then stays.
    static SpanDistribution Build(StaircaseState& state, int solutionNumber);
};
