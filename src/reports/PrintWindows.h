#pragma once

#include "DrawPrintFlow.h"
#include "TQR1EscalierTab.h"

class BusyCursor;
class Prompter;
class QWidget;

// The two print commands as the windows run them: the draw through its options dialog,
// sheet by sheet or as one document, previewed or printed; the staircase solutions,
// always previewed.
class PrintWindows {
public:
    // `inputs.paper` is taken from the default printer.
    static void PrintDraw(DrawPrintFlow::Inputs inputs, Prompter& prompter, BusyCursor& cursor,
                          QWidget* parent);
    static void PrintStaircase(const StaircaseState& state, const TQR1EscalierTab::Texts& texts,
                               int currentSolution, Prompter& prompter, QWidget* parent);
};
