#pragma once

#include "core/Wizard.h"
#include "widgets/WindowFactory.h"

class BusyCursor;
class HostInterface;
class Prompter;
class StaircaseState;

// The program's window factory: the one place that knows which window stands for which
// kind of draw, and that makes every window one folder opens in another. The windows
// all share the program's host interface, staircase state, prompter and busy cursor.
class AppWindowFactory : public WizardFactory, public WindowFactory {
public:
    AppWindowFactory(const HostInterface& host, StaircaseState& state, Prompter& prompter,
                     BusyCursor& cursor)
        : host_(host), state_(state), prompter_(prompter), cursor_(cursor) {}

    // The wizard "&Suivant" of the main window opens.
    std::unique_ptr<Wizard> create(int drawType) override;

    void showStaircaseView(QWidget* parent) override;
    void showManualEntry(QWidget* parent) override;
    bool showLineStartBracket(const LineStartFigures& figures, bool acceptEnabled,
                              QWidget* parent) override;
    bool showStaggeredBracket(int currentSolution, bool acceptEnabled, QWidget* parent) override;
    void printDraw(const DrawPrintRequest& request, QWidget* parent) override;
    void printStaircase(int currentSolution, QWidget* parent) override;

private:
    const HostInterface& host_;
    StaircaseState& state_;
    Prompter& prompter_;
    BusyCursor& cursor_;
};
