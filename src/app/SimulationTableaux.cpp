#include "SimulationTableaux.h"

#include "core/HostInterface.h"

#include "core/IntegerText.h"
#include "core/Prompter.h"
#include "core/RankingLadder.h"
#include "core/SimulationFile.h"
#include "core/WizardHandOver.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableNames.h"

#include <QDir>

#include <algorithm>

namespace {

// The file dialogs leave the current directory where it was: the working tables live
// there (an empty data location), so a dialog must not move them.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() : directory_(QDir::currentPath()) {}
    ~CurrentDirectoryKeeper() {
        if (QDir::currentPath() != directory_) {
            QDir::setCurrent(directory_);
        }
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    QString directory_;
};

bool filled(const SimulationInput::Row& row) {
    return !row.RankingText.isEmpty() && !row.CountText.isEmpty();
}

}  // namespace

QString SimulationTableaux::Caption() {
    return QStringLiteral(
        "Tableaux départ en ligne ou entrées échelonnées, aide à la recherche de solutions");
}

QString SimulationTableaux::VersionText() {
    return QStringLiteral("Version 1.0 du 22/02/2016");
}

QString SimulationTableaux::VersionHint() {
    return QStringLiteral("Orvanel de TENNIS, TEL,TEE\nVersion 1.0.05 du 22 février 2016");
}

QString SimulationTableaux::LimitMessage() {
    return QStringLiteral("L'assistant limite le nombre de classement traité à ") +
           QString::number(MaxRankingRows);
}

SimulationTableaux::SimulationTableaux(HostInterface& host, StaircaseState& state,
                                       Prompter& prompter, WizardFactory& factory)
    : host_(host), state_(state), prompter_(prompter), factory_(factory) {
    input_.Rows.resize(InitialRowCount - 1);
}

QString SimulationTableaux::AutosavePath() const {
    return QDir(host_.WorkingDirectory).filePath(SimulationFile::AutosaveName());
}

void SimulationTableaux::FormCreate() {
    input_.OutgoingEdited = false;
    // The dialogs open in the directory current at creation until they have their own.
    openDirectory_ = QDir::currentPath();
    saveDirectory_ = openDirectory_;
    gridEnabled_ = false;
    nextEnabled_ = false;
    savedHostTableName_ = host_.HostTableName;
    host_.HostTableName = HostInterface::WorkingTableName();
    host_.EntrantNamesOnly = false;
    LoadSimulation(AutosavePath());
    fileHint_ =
        QStringLiteral("Fichier temporaire utilisé:\n") + QDir::toNativeSeparators(AutosavePath());
}

void SimulationTableaux::FormClose() {
    host_.HostTableName = savedHostTableName_;
}

void SimulationTableaux::SetPicker(Picker picker, int index) {
    const int entry = index >= 0 && index < RankingLadder::EntryCount ? index : -1;
    if (picker == Picker::Start) {
        startIndex_ = entry;
        input_.RangeStart = RankingLadder::Entry(entry);
    } else {
        endIndex_ = entry;
        input_.RangeEnd = RankingLadder::Entry(entry);
    }
}

void SimulationTableaux::RangeChange(Picker sender, int index) {
    SetPicker(sender, index);
    if (startIndex_ < 0 || endIndex_ < 0) {
        SetPicker(Picker::End, startIndex_);
    } else if (endIndex_ < startIndex_) {
        if (sender == Picker::Start) {
            SetPicker(Picker::End, startIndex_);
        } else {
            SetPicker(Picker::Start, endIndex_);
        }
    }
    RebuildGrid();
}

void SimulationTableaux::RebuildGrid() {
    gridEnabled_ = true;
    if (std::count_if(input_.Rows.cbegin(), input_.Rows.cend(), filled) > MaxRankingRows) {
        prompter_.message(LimitMessage());
    }
    // A range read from a file may end below its start or lack an end: the grid then
    // keeps one row rather than none.
    const int rows = std::max(endIndex_ - startIndex_ + 1, 1);
    input_.Rows.resize(rows);
    for (int r = 1; r <= rows; ++r) {
        input_.Rows[r - 1].RankingText = RankingLadder::Entry(endIndex_ - r + 1);
    }
    nextEnabled_ = true;
}

void SimulationTableaux::SetCell(int row, int column, const QString& text) {
    if (row < 1 || row > input_.Rows.size()) {
        return;
    }
    SimulationInput::Row& cells = input_.Rows[row - 1];
    (column == 0 ? cells.RankingText : cells.CountText) = text;
}

// The seeds are never fewer than the outgoing qualifiers. A field left empty is one the
// user is still typing in: it is compared once it holds a figure, and "&Suivant" tells
// about it if it stays empty.
void SimulationTableaux::OutgoingChanged(const QString& text) {
    input_.QualifiersOutText = text;
    input_.OutgoingEdited = true;
    if (text.trimmed().isEmpty() || input_.SeedsText.trimmed().isEmpty()) {
        return;
    }
    const auto seeds = IntegerText::toInt(input_.SeedsText);
    if (!seeds) {
        prompter_.message(IntegerText::conversionError(input_.SeedsText));
        return;
    }
    const auto outgoing = IntegerText::toInt(text);
    if (!outgoing) {
        prompter_.message(IntegerText::conversionError(text));
        return;
    }
    if (*seeds < *outgoing) {
        input_.SeedsText = text;
    }
}

void SimulationTableaux::MettreAZero() {
    for (SimulationInput::Row& row : input_.Rows) {
        row.CountText.clear();
    }
    const QString zero = QStringLiteral("0");
    if (input_.QualifiersOutText != zero) {
        OutgoingChanged(zero);
    }
    input_.QualifiersInText = zero;
    input_.SeedsText = zero;
    input_.EntrySizeText.clear();
    EmptyLineDrawTable();
}

void SimulationTableaux::OuvrirFichier() {
    const CurrentDirectoryKeeper keeper;
    Prompter::FileRequest request;
    request.directory = openDirectory_;
    request.fileName = openFileName_;
    const auto chosen = prompter_.openFile(request);
    if (chosen) {
        openFileName_ = *chosen;
        if (LoadSimulation(*chosen)) {
            EmptyLineDrawTable();
        }
    }
}

void SimulationTableaux::EmptyLineDrawTable() {
    // The line-start skeleton was built for the input the user just replaced.
    RecordTable table(TableLayout::DrawLine(), host_.DataLocation, TableNames::LineDraw);
    if (!table.Empty()) {
        prompter_.warning(table.errorText());
    }
}

void SimulationTableaux::Enregistrer() {
    if (!openFileName_.isEmpty()) {
        SaveSimulation(openFileName_);
    }
}

void SimulationTableaux::EnregistrerSous() {
    const CurrentDirectoryKeeper keeper;
    Prompter::FileRequest request;
    request.directory = saveDirectory_;
    if (!openFileName_.isEmpty()) {
        request.directory = openDirectory_;
        request.fileName = openFileName_;
    }
    const auto chosen = prompter_.saveFile(request);
    if (chosen) {
        SaveSimulation(*chosen);
    }
}

void SimulationTableaux::Suivant() {
    WizardHandOver::OpenWizard(input_, state_, prompter_, host_.WorkingDirectory, factory_);
}

// The file is read whole into a copy and shown only once it is whole: a file that stops
// half-way (a third line that is not a row count, say) leaves the window exactly as it
// was, rather than the range of one file over the grid of another, which the next
// "&Suivant" would autosave.
bool SimulationTableaux::LoadSimulation(const QString& path) {
    SimulationInput loaded = input_;
    const auto status = SimulationFile::LoadSimulation(path, loaded, prompter_);
    if (status == SimulationFile::LoadStatus::Failed) {
        return false;
    }
    fileLabel_ = QDir::toNativeSeparators(path);
    if (status == SimulationFile::LoadStatus::Missing) {
        return false;
    }
    input_ = loaded;
    // The pickers show a ladder entry or nothing: a range text off the ladder is dropped.
    SetPicker(Picker::Start, RankingLadder::LadderIndex(input_.RangeStart));
    SetPicker(Picker::End, RankingLadder::LadderIndex(input_.RangeEnd));
    nextEnabled_ = true;
    ShowFileInUse(path);
    return true;
}

void SimulationTableaux::SaveSimulation(const QString& path) {
    if (SimulationFile::SaveSimulation(path, input_, prompter_)) {
        ShowFileInUse(path);
    }
}

void SimulationTableaux::ShowFileInUse(const QString& path) {
    fileLabel_ = QDir::toNativeSeparators(path);
    fileHint_ = QStringLiteral("Fichier utilisé:\n") + fileLabel_;
}
