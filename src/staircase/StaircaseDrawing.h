#pragma once

#include <QString>

class Page;
class StaircaseState;
struct SolutionCheck;

// The drawing of an evaluated staircase into the page of the staircase view: the verdict
// labels under the draw caption, the summary of the rankings on the right, and one
// column per tour from the last round (rightmost) to the first round played, each with
// its positions, its direct entrants, its compressions and the winners it sends on.
class StaircaseDrawing {
public:
    StaircaseDrawing(Page& page, const StaircaseState& state) : page_(page), state_(state) {}

    // A label in the view's font (Arial 8, black) at the given place; with an arrow, a
    // 15 x 2 line at (top + 12, left) and a "---->" label at (top, left + 20).
    void AjouteLabel(int top, int left, const QString& text, bool withArrow);
    // The label that names the end of the draw: its qualifiers, or its last round; the
    // entry screen names it.
    void AffInfoQualifieSortant(int top, const QString& name = QString());
    // The staircase over `tours` tours and the ranking summary with `total` players.
    void AfficheInfo(int tours, int total);
    // The verdicts of a check, under the draw caption at (top, left).
    void Verdicts(const SolutionCheck& check, int top, int left);

private:
    void label(const QString& name, int top, int left, const QString& text);
    void verdict(int top, int left, const QString& text, bool bold, int red, int green, int blue);

    Page& page_;
    const StaircaseState& state_;
};
