#pragma once

#include "SolutionCheck.h"

#include <Qt>

#include <cstdint>

class BusyCursor;
class Page;
class StaircaseState;

// What the staircase view does with the stored solutions, without a window: it removes
// the incorrect ones, evaluates and draws the solution being looked at into its page,
// and steps through the solutions with the enabled states of its two buttons. The view
// window mirrors the page and these states and forwards its buttons and keys here.
class StaircaseViewLogic {
public:
    // The page items that stay when the page is redrawn.
    static QString SolutionLabelName() { return QStringLiteral("Label1Solution"); }
    static QString DrawLabelName() { return QStringLiteral("Label1Tableau"); }
    static constexpr int DrawLabelTop = 26;
    static constexpr int DrawLabelLeft = 8;

    // Creating the view: solution 1, Previous disabled, nothing accepted yet.
    StaircaseViewLogic(StaircaseState& state, Page& page, BusyCursor& cursor);

    // Showing the view (and every redraw): without manual entry, the page is emptied
    // but for the two captions, the incorrect solutions are removed and the current one
    // is drawn.
    void FormShow();
    // Evaluates solution k and sets the solution caption; with checkOnly, returns whether
    // it is incorrect and draws nothing else; otherwise sets the dimension, draws the
    // staircase and returns false.
    bool TraiteUneSolution(int k, bool checkOnly);
    // Checks every stored solution once, in order, and closes the gap of each incorrect one.
    void VerifieLesSolutions();
    // The dimension of a staircase of `tours` tours into the state; returns it.
    int StoreDimension(int tours);
    // Empties the page but for the two captions.
    void ClearPage();

    void Previous();
    void Next();
    void Home();
    void End();
    // Page Up, Left, Page Down, Right, End and Home; false for any other key.
    bool KeyDown(Qt::Key key);

    // The check of the solution evaluated last.
    const SolutionCheck& LastCheck() const { return check_; }

    std::int16_t CurrentSolution = 1;
    std::int16_t TourCount = 0;
    bool PreviousEnabled = false;
    bool NextEnabled = true;

private:
    void setCaption(const QString& name, const QString& text);

    StaircaseState& state_;
    Page& page_;
    BusyCursor& cursor_;
    SolutionCheck check_;
};
