#pragma once

#include <QString>
#include <QStringList>

class ReportPage;
class StaircaseState;

// The figures of the draw at the top right of every sheet of the draw report: the
// staircase solution of a staggered-entry draw, or the arithmetic of a line-start draw.
class DrawTitleBlock {
public:
    // What the bracket view keeps of a line-start draw beside the shared state.
    struct LineStart {
        int byes = 0;             // E
        int roundOnePlayers = 0;  // NE
        int seeds = 0;            // the seeds of the draw printed
        QStringList infoLines;    // the lines of the couples' notes, when they are shown
    };

    // The block of solution `solutionNumber`. The error text of the skeleton is stored
    // back with its line breaks turned into ", ", as it is printed.
    static void AddStaggered(ReportPage& page, const QString& band, StaircaseState& state,
                             int solutionNumber);
    static void AddLineStart(ReportPage& page, const QString& band, const StaircaseState& state,
                             const LineStart& figures);
};
