#pragma once

#include "core/Wizard.h"

#include <QString>

class Prompter;
class StaircaseState;

// The wizards "&Suivant" of the main window opens, one per draw type: the one place that
// knows which window stands for which kind of draw. Neither wizard window exists in this
// version: each says so to the user when it would be shown.
class AppWizardFactory : public WizardFactory {
public:
    AppWizardFactory(StaircaseState& state, Prompter& prompter)
        : state_(state), prompter_(prompter) {}

    std::unique_ptr<Wizard> create(int drawType) override;

    static QString ComingMessage(int drawType);

private:
    StaircaseState& state_;
    Prompter& prompter_;
};
