#include "AppWindowFactory.h"

#include "bracket/TTableauPrevisualise.h"
#include "core/SimulationInput.h"
#include "staircase/TAfficheEscalierTabEchelonne.h"
#include "wizards/TOrvanelDepartLigne.h"
#include "wizards/TOrvanelEchelon.h"

std::unique_ptr<Wizard> AppWindowFactory::create(int drawType) {
    // Each wizard clears the ranking rows when it is created, before the main window
    // copies its own: the staggered-entry one the whole staircase, the line-start one
    // the rows.
    if (drawType == SimulationInput::Staggered) {
        return std::make_unique<TOrvanelEchelon>(state_, prompter_, cursor_, *this);
    }
    return std::make_unique<TOrvanelDepartLigne>(host_, state_, prompter_, cursor_, *this);
}

void AppWindowFactory::showStaircaseView(QWidget* parent) {
    TAfficheEscalierTabEchelonne view(host_, state_, prompter_, cursor_, *this, parent);
    view.exec();
}

void AppWindowFactory::showManualEntry(QWidget* parent) {
    TAfficheEscalierTabEchelonne view(host_, state_, prompter_, cursor_, *this, parent);
    view.Saisirunescalier1Click();
    view.exec();
}

bool AppWindowFactory::showLineStartBracket(const LineStartFigures& figures, bool acceptEnabled,
                                            QWidget* parent) {
    TTableauPrevisualise view(host_, state_, prompter_, cursor_, parent);
    view.OpenLineStart(figures, acceptEnabled);
    return view.ShowModal();
}

bool AppWindowFactory::showStaggeredBracket(int currentSolution, bool acceptEnabled,
                                            QWidget* parent) {
    return TTableauPrevisualise::ShowStaggered(host_, state_, prompter_, cursor_, currentSolution,
                                               acceptEnabled, parent);
}
