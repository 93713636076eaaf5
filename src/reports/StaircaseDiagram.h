#pragma once

#include <QString>

class ReportPage;
class StaircaseState;

// The printed staircase of the draw report's title block: the ranking list with its total
// and qualifiers, then (staggered-entry draws) the tour columns stepping down to the
// left. Positions are counted from base Y; labels are Comic Sans MS 7 pt.
class StaircaseDiagram {
public:
    // The ranking part; returns last, the number of the last ranking row printed.
    static int AddRankings(ReportPage& page, const QString& band, const StaircaseState& state,
                           int baseY);
    // The tour columns of the state's steps, as the last staircase build left them.
    static void AddTours(ReportPage& page, const QString& band, const StaircaseState& state,
                         int baseY, int last, int tours);
};
