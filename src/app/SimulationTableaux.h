#pragma once

#include "core/SimulationInput.h"

#include <QString>

class HostInterface;
class Prompter;
class StaircaseState;
class WizardFactory;

// What the main window does, without the window: the simulation input as its controls
// hold it, the range pickers, the ranking grid, the figures, the file in use, and the
// reactions to each of the user's commands. The window shows this state and forwards
// every event here; the tests drive it directly.
class SimulationTableaux {
public:
    enum class Picker { Start, End };

    static constexpr int MaxRankingRows = 12;  // rows the wizards take
    static constexpr int InitialRowCount = 9;  // the grid's rows, header included, at first

    static QString Caption();
    static QString VersionText();
    static QString VersionHint();
    static QString LimitMessage();

    SimulationTableaux(HostInterface& host, StaircaseState& state, Prompter& prompter,
                       WizardFactory& factory);

    // Creation: takes the host's table name over and loads the autosave file.
    void FormCreate();
    // Showing: the grid follows the range.
    void FormShow() { RebuildGrid(); }
    // Closing: the host's table name as it was before the window.
    void FormClose();

    // A range picker now shows the ladder entry index (-1: no entry).
    void RangeChange(Picker sender, int index);
    void RebuildGrid();

    // Typing in the grid (rows from 1, columns 0 for the ranking and 1 for the count)
    // and in the fields.
    void SetCell(int row, int column, const QString& text);
    void OutgoingChanged(const QString& text);
    void SetQualifiersIn(const QString& text) { input_.QualifiersInText = text; }
    void SetSeeds(const QString& text) { input_.SeedsText = text; }
    void SetEntrySize(const QString& text) { input_.EntrySizeText = text; }
    void SetDrawType(int drawType) { input_.DrawType = drawType; }

    // The commands.
    void MettreAZero();
    void OuvrirFichier();
    void Enregistrer();
    void EnregistrerSous();
    void Suivant();

    const SimulationInput& Input() const { return input_; }
    int StartIndex() const { return startIndex_; }
    int EndIndex() const { return endIndex_; }
    bool GridEnabled() const { return gridEnabled_; }
    bool NextEnabled() const { return nextEnabled_; }
    const QString& FileLabel() const { return fileLabel_; }
    const QString& FileHint() const { return fileHint_; }
    bool OutgoingEdited() const { return input_.OutgoingEdited; }
    const QString& SavedHostTableName() const { return savedHostTableName_; }
    // The file last chosen in the open dialog, which "Enregistrer" writes to.
    const QString& OpenFileName() const { return openFileName_; }
    QString AutosavePath() const;

private:
    bool LoadSimulation(const QString& path);
    void SaveSimulation(const QString& path);
    void SetPicker(Picker picker, int index);
    void ShowFileInUse(const QString& path);
    void EmptyLineDrawTable();

    HostInterface& host_;
    StaircaseState& state_;
    Prompter& prompter_;
    WizardFactory& factory_;

    SimulationInput input_;
    int startIndex_ = -1;
    int endIndex_ = -1;
    bool gridEnabled_ = false;
    bool nextEnabled_ = false;
    QString fileLabel_;
    QString fileHint_;
    QString savedHostTableName_;
    QString openFileName_;
    QString openDirectory_;
    QString saveDirectory_;
};
