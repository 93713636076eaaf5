#pragma once

#include "PanelWriter.h"
#include "core/LineStartFigures.h"

#include <QString>

class LineTally;
class NotesBox;
class Page;
class StaircaseState;
struct SolutionCheck;

// The information panel to the right of the bracket: the figures of the draw, the
// roster (one entry per ranking with how many of its players stand on the bracket), the
// name of what leaves the draw and, for a staggered-entry draw, the solution shown with
// the summary of its staircase.
class InformationPanel {
public:
    static constexpr int LineStartTop = 120;  // T0 of the line-start panel
    static constexpr int StaggeredTop = 90;   // T0 of the staggered-entry panel

    InformationPanel(Page& page, StaircaseState& state, const LineTally& tally, int seedCount);

    // The figures N, D, E, NE, QS and QE of the line-start wizard. Also stores N, D, QS
    // and QE in the state, for later redisplays and the report.
    void LineStart(const LineStartFigures& figures, NotesBox& notes);
    void StaggeredEntry(int solutionNumber);

    // What leaves the draw: "Qualifiant" and the number, or the round the players of a
    // final draw reach.
    static QString LastRoundLabel(bool finalDraw, int qualifiersOut);

private:
    // The roster from the panel's T0 with the sum line under it; returns the number of
    // the last ranking row in use.
    int roster(int top);
    // The total, what leaves the draw, the couples and the seeds, under the roster. The
    // couples belong to a staggered-entry search: a line-start draw has none of its own
    // and must not show those a search left in the state.
    void figuresColumn(int below, bool couples);
    void verdicts(const SolutionCheck& staircase);
    int lastRow() const;

    Page& page_;
    StaircaseState& state_;
    const LineTally& tally_;
    int seedCount_;
    PanelWriter writer_;
};
