#include "AppWizardFactory.h"

#include "core/SimulationInput.h"
#include "wizards/TOrvanelDepartLigne.h"
#include "wizards/TOrvanelEchelon.h"

std::unique_ptr<Wizard> AppWizardFactory::create(int drawType) {
    // Each wizard clears the ranking rows when it is created, before the main window
    // copies its own: the staggered-entry one the whole staircase, the line-start one
    // the rows.
    if (drawType == SimulationInput::Staggered) {
        return std::make_unique<TOrvanelEchelon>(host_, state_, prompter_, cursor_);
    }
    return std::make_unique<TOrvanelDepartLigne>(host_, state_, prompter_, cursor_);
}
