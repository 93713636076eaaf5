#pragma once

#include "core/Wizard.h"

class BusyCursor;
class HostInterface;
class Prompter;
class StaircaseState;

// The wizards "&Suivant" of the main window opens, one per draw type: the one place that
// knows which window stands for which kind of draw.
class AppWizardFactory : public WizardFactory {
public:
    AppWizardFactory(const HostInterface& host, StaircaseState& state, Prompter& prompter,
                     BusyCursor& cursor)
        : host_(host), state_(state), prompter_(prompter), cursor_(cursor) {}

    std::unique_ptr<Wizard> create(int drawType) override;

private:
    const HostInterface& host_;
    StaircaseState& state_;
    Prompter& prompter_;
    BusyCursor& cursor_;
};
