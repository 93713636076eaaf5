#pragma once

#include "RankingGrid.h"
#include "WizardInformations.h"

#include <QString>

#include <functional>

class BusyCursor;
class Prompter;
class StaircaseState;

// The staggered-entry wizard without its window: the states of its controls as data,
// and what each event does to them and to the staircase state. The window mirrors the
// controls, forwards its events here, and opens the staircase view when asked.
class StaggeredWizardLogic {
public:
    // The couples spin box has no limits of its own; the figure is kept to what a draw
    // can hold, so that the qualifiers and the total that follow it cannot wrap.
    static constexpr int MaxCouples = 2048;

    struct Label {
        QString text;
        bool visible = true;
    };

    // The controls, by their names on the window.
    struct Controls {
        RankingGrid StringGrid1Effectif;
        WizardInformations Informations;  // LabelNBExempts: the couples; LabelNONExempts:
                                          // the compressions
        int SpinEdit1NbTout = 5;          // 4 to 9
        bool RoundPickerVisible = false;  // Label1Sortant and ComboBox1Sortant
        int ComboBox1Sortant = -1;        // no item chosen
        bool CouplesVisible = false;      // Label2Couple and SpinEdit1Couple
        int SpinEdit1Couple = 0;
        bool AutreSolutionChecked = false;
        bool AutreSolutionEnabled = false;
        bool VerifChecked = true;  // "Supprime class.plus 2 tours"
        Label Label1Solution{QStringLiteral("Recherche solution..."), false};
        Label Label1Iteration{QStringLiteral("Recherche solution..."), false};
        bool SuivantEnabled = true;
        bool EscalierEnabled = true;
        bool PrecedentEnabled = true;
        bool CancelEnabled = true;
        bool HelpEnabled = true;
    };

    // What the window does when a command ends.
    enum class Ending { StayOpen, CloseOk, CloseIgnore };

    // What the window does at the points where the logic hands over to it.
    struct Hooks {
        std::function<void()> repaint;          // shows the controls as they are now
        std::function<void()> showSolutions;    // the staircase view, with the solutions
        std::function<void()> showManualEntry;  // the staircase view, for manual entry
        // Around the search itself, which may tell the staircase build's overflow
        // messages any number of times: the window folds their repeats in between. The
        // end is told once the normal cursor is back.
        std::function<void()> searchStarted;
        std::function<void()> searchEnded;
    };

    // Creating the wizard clears the ranking rows and the steps.
    StaggeredWizardLogic(StaircaseState& state, Prompter& prompter, BusyCursor& cursor);

    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension);
    // Showing the window: without players there is nothing to search.
    void FormShow();
    void UpdateFigures();
    // Items 0 to 5 of the last-round picker ("Finale" to "1/32 finale"); -1 for none.
    void LastRoundChanged(int item);
    void CouplesChanged(int value);
    void ToursChanged(int value) { controls_.SpinEdit1NbTout = value; }
    void AutreSolutionToggled(bool checked) { controls_.AutreSolutionChecked = checked; }
    void VerifToggled(bool checked) { controls_.VerifChecked = checked; }
    // A cell of the grid typed in: row 0 for the names, 1 for the counts, column 1 to 12.
    void GridCellChanged(int row, int column, const QString& text) {
        controls_.StringGrid1Effectif.setCell(row, column, text);
    }
    // Enter in the grid: the named columns go into the ranking rows.
    void GridEnter();
    Ending SuivantBtnClick(const Hooks& hooks);
    Ending EscalierClick(const Hooks& hooks);
    void PrecedentBtnClick();

    const Controls& controls() const { return controls_; }
    int GridPlayers = 0;             // players of the grid at the start, without qualifiers
    bool CouplesShown = false;       // the couples controls were shown at the start
    bool RoundPickerShown = false;   // the last-round picker was shown at the start
    bool NoIncomingAtStart = false;  // there were no incoming qualifiers at the start

    static QString MissingParametersMessage();

private:
    bool readGrid();
    void setSearchEnabled(bool enabled);

    StaircaseState& state_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    Controls controls_;
};
