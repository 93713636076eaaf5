#pragma once

#include "core/LineStartFigures.h"
#include "drawtable/TableLocations.h"

#include <QString>
#include <QStringList>

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
    static constexpr int GridColumns = 12;

    // The states of the window's controls.
    struct Controls {
        QStringList gridNames = QStringList(GridColumns);
        QStringList gridCounts = QStringList(GridColumns);
        QString effectif;           // LabelEffectif: N
        QString qualifiesSortants;  // LabelQualifieSortants: q
        QString qualifiesEntrants;  // LabelQualifieEntrants: Q
        QString dimension;          // LabelDimensionTableau: D
        QString exempts;            // LabelNBExempts
        QString nonExempts;         // LabelNONExempts
        QString tetesSerie;         // LabelTetesSerie: S
        bool seedsVisible = false;  // Label7TetesSerie and LabelTetesSerie
        bool precedentEnabled = false;
        bool suivantEnabled = true;
        bool buildSkeleton = false;  // "Construire le squelette du tableau"
    };

    // Shows the bracket view of the figures modally, its "Accepter" enabled or not; true
    // when it closed with the draw accepted.
    using BracketView = std::function<bool(const LineStartFigures& figures, bool acceptEnabled)>;

    // Creating the wizard clears the ranking rows; the caller then copies its own.
    LineStartWizardLogic(StaircaseState& state, Prompter& prompter, BusyCursor& cursor,
                         const TableLocations& places, const QString& rankingOrderPath);

    void setOutgoingEdited(bool edited) { figures_.OutgoingEdited = edited; }
    void setBuildSkeleton(bool build) { controls_.buildSkeleton = build; }

    // The dimension argument is not used: the wizard computes its own.
    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension);
    // The window is shown: without players "&Suivant" is disabled, with the message.
    void Show();
    // Enter in the grid: every column with a name becomes a ranking row again.
    void EnterInGrid(const QStringList& names, const QStringList& counts);
    // "&Suivant". False, with the table as it was and no bracket view, when the table
    // could not be prepared or the skeleton could not be written (told), or when the
    // command is disabled.
    bool Suivant(const BracketView& showBracket);
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
