#pragma once

#include "SolveSession.h"
#include "core/Wizard.h"
#include "wizards/StaggeredWizardLogic.h"

#include <functional>
#include <memory>

class Prompter;

// The staggered-entry wizard as the command line shows it: no window, its controls set
// as the user would set them before pressing one of its buttons.
class ScriptedStaggeredWizard : public Wizard {
public:
    ScriptedStaggeredWizard(StaircaseState& state, Prompter& prompter,
                            const SolveSession::Options& options);

    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) override;

protected:
    // The window shown: its message when it has no players, then the last round and the
    // couples chosen where it asks for them.
    void show();

    StaircaseState& state_;
    StaggeredWizardLogic logic_;
    const SolveSession::Options& options_;
};

// The wizard factory of the command line: whatever the draw type, the wizard `make` makes.
class ScriptedWizardFactory : public WizardFactory {
public:
    explicit ScriptedWizardFactory(std::function<std::unique_ptr<Wizard>()> make)
        : make_(std::move(make)) {}

    std::unique_ptr<Wizard> create(int /*drawType*/) override { return make_(); }

private:
    std::function<std::unique_ptr<Wizard>()> make_;
};
