#pragma once

#include "RankingGrid.h"
#include "WizardInformations.h"
#include "core/LineStartFigures.h"
#include "drawtable/TableLocations.h"

#include <QString>

#include <functional>
#include <optional>

class BusyCursor;
class Prompter;
class RecordTable;
class StaircaseState;

// What the line-start wizard computes and does, without its window: the figures and
// the texts of its labels, Enter in its grid, and "&Suivant" (the table "Tmpaaaa2.db"
// prepared, the skeleton built when asked, the outgoing-qualifier lines marked, the
// bracket view shown, and an accepted draw copied into the host's draw table).
class LineStartWizardLogic {
public:
    // The controls, by their names on the window.
    struct Controls {
        RankingGrid StringGrid1Effectif;
        WizardInformations Informations;  // LabelNBExempts: E; LabelNONExempts: NE
        bool PrecedentEnabled = false;
        bool SuivantEnabled = true;
        // "Construire le squelette du tableau"
        bool AssistantConstructionTabChecked = false;
    };

    // Shows the bracket view of the figures modally, its "Accepter" enabled or not; true
    // when it closed with the draw accepted.
    using BracketView = std::function<bool(const LineStartFigures& figures, bool acceptEnabled)>;

    // Creating the wizard clears the ranking rows; the caller then copies its own.
    LineStartWizardLogic(StaircaseState& state, Prompter& prompter, BusyCursor& cursor,
                         const TableLocations& places, const QString& rankingOrderPath);

    void setOutgoingEdited(bool edited) { figures_.OutgoingEdited = edited; }

    // The dimension argument is not used: the wizard computes its own.
    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension);
    // The window is shown: without players "&Suivant" is disabled, with the message.
    void FormShow();
    void AssistantConstructionTabToggled(bool checked) {
        controls_.AssistantConstructionTabChecked = checked;
    }
    // A cell of the grid typed in: row 0 for the names, 1 for the counts, column 1 to 12.
    void GridCellChanged(int row, int column, const QString& text) {
        controls_.StringGrid1Effectif.setCell(row, column, text);
    }
    // Enter in the grid: every column with a name becomes a ranking row again.
    void GridEnter();
    // "&Suivant". False, with the table as it was and no bracket view, when the table
    // could not be prepared or the skeleton could not be written (told), or when the
    // command is disabled.
    bool SuivantBtnClick(const BracketView& showBracket);
    // After "&Suivant": no value when the bracket view closed without the draw accepted,
    // otherwise whether the draw reached the host's draw table (false: refused or failed,
    // told).
    const std::optional<bool>& hostCopy() const { return hostCopy_; }

    const LineStartFigures& figures() const { return figures_; }
    const Controls& controls() const { return controls_; }

    static QString MissingPlayersMessage();

private:
    bool prepareTable(RecordTable& draw);
    void markOutgoingQualifiers(RecordTable& draw);
    void showFigures();

    StaircaseState& state_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    TableLocations places_;
    QString rankingOrderPath_;
    LineStartFigures figures_;
    Controls controls_;
    std::optional<bool> hostCopy_;
};
