#pragma once

#include <memory>

// What the main window's hand-over needs of a wizard, window or not: its figures, the
// line-start wizard's "outgoing qualifiers edited" flag, and a modal showing.
class Wizard {
public:
    virtual ~Wizard() = default;
    virtual void setOutgoingEdited(bool) {}
    virtual void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) = 0;
    virtual void showModal() = 0;
};

// Creates the wizard of a draw type (SimulationInput::DrawType). Creating a wizard
// clears the ranking rows of the staircase state, before the hand-over copies its own.
class WizardFactory {
public:
    virtual ~WizardFactory() = default;
    virtual std::unique_ptr<Wizard> create(int drawType) = 0;
};
