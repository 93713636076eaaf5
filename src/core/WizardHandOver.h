#pragma once

#include <QString>

class Prompter;
class StaircaseState;
class WizardFactory;
struct SimulationInput;

// The hand-over of the main window's input to a wizard: the ranking rows are copied
// into the staircase state, the figures converted and checked, a valid input saved to
// the autosave file, and the wizard started with the figures.
class WizardHandOver {
public:
    // Figures as converted; a figure whose conversion failed, or that was not converted
    // because an earlier one failed, is 0.
    struct Figures {
        int QualifiersIn = 0;
        int QualifiersOut = 0;
        int Seeds = 0;
        bool Valid = false;
        bool operator==(const Figures&) const = default;
    };

    // A count or a figure above this is refused like text that is not a number: no
    // draw holds that many players, and the 16-bit figures of the staircase would wrap.
    static constexpr int MaxFigure = 2048;

    // Copies the grid rows whose two cells are filled into the ranking rows, at most 12,
    // the ranking cut to 5 characters. False, after the message, when a count is not a
    // number of players.
    static bool CopyRankingRows(const SimulationInput& input, StaircaseState& state,
                                Prompter& prompter);

    // Converts qualifiers in, qualifiers out and seeds in this order; the first failure
    // is told and ends the checks. When all is well and the seeds are not fewer than the
    // outgoing qualifiers, the input is saved as workingDirectory/tmpSauve.txt.
    static Figures ValidateFigures(const SimulationInput& input, Prompter& prompter,
                                   const QString& workingDirectory);

    // "&Suivant" of the main window: creates the wizard of the draw type, copies the
    // rows, checks the figures and shows the wizard, unless a count was refused.
    // Returns whether the wizard was shown.
    static bool OpenWizard(const SimulationInput& input, StaircaseState& state, Prompter& prompter,
                           const QString& workingDirectory, WizardFactory& factory);
};
