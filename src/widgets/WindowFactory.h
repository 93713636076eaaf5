#pragma once

class QWidget;
struct DrawPrintRequest;
struct LineStartFigures;

// The windows a window opens in another folder. The program's window factory (app/)
// makes them, so that no folder includes the windows of another and the folders depend
// one way only. Each call shows its window modally over `parent`, destroys it when it
// closes and returns what the caller needs of it. The window's other inputs (the host
// interface, the staircase state, the prompter, the busy cursor) are the factory's own.
class WindowFactory {
public:
    virtual ~WindowFactory() = default;

    // The staircase view, over the solutions of the search the staggered-entry wizard
    // has just stored in the state.
    virtual void showStaircaseView(QWidget* parent) = 0;
    // The staircase view opened on the entry of a staircase by hand.
    virtual void showManualEntry(QWidget* parent) = 0;

    // The bracket view of a line-start draw, "Tmpaaaa2.db" ready, with the wizard's
    // figures; true when it closed with "Accepter".
    virtual bool showLineStartBracket(const LineStartFigures& figures, bool acceptEnabled,
                                      QWidget* parent) = 0;

    // The bracket view of the staircase view's solution `currentSolution`, its skeleton
    // built into "Tmpaaaa.db"; true when it closed with "Accepter".
    virtual bool showStaggeredBracket(int currentSolution, bool acceptEnabled, QWidget* parent) = 0;

    // The bracket view's "Imprimer le tableau": the print options, then the sheets
    // previewed or printed.
    virtual void printDraw(const DrawPrintRequest& request, QWidget* parent) = 0;
    // The staircase view's "Imprimer l'escalier", from its current solution.
    virtual void printStaircase(int currentSolution, QWidget* parent) = 0;
};
