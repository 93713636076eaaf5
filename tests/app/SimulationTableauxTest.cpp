#include "app/SimulationTableaux.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"
#include "core/StaircaseState.h"
#include "core/Wizard.h"
#include "drawtable/DrawLines.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Picker = SimulationTableaux::Picker;

struct RecordingFactory : WizardFactory {
    struct Shown : Wizard {
        explicit Shown(RecordingFactory& owner) : owner(owner) {}
        void Init(int in, int out, int seeds, int) override { owner.figures = {in, out, seeds}; }
        void showModal() override { ++owner.shown; }
        RecordingFactory& owner;
    };
    std::unique_ptr<Wizard> create(int drawType) override {
        types.append(drawType);
        return std::make_unique<Shown>(*this);
    }
    QList<int> types;
    QList<int> figures;
    int shown = 0;
};

class SimulationTableauxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        host.WorkingDirectory = work.path();
        host.DataLocation = work.path();
        host.HostTableName = QStringLiteral("HOSTTAB.DB");
        host.EntrantNamesOnly = true;
    }

    QString file(const char* name) const {
        return QDir(work.path()).filePath(QString::fromLatin1(name));
    }
    void writeInput(const QString& path, const SimulationInput& input) {
        ScriptedPrompter quiet;
        ASSERT_TRUE(SimulationFile::SaveSimulation(path, input, quiet));
    }
    // The window as the user first sees it: created, then shown.
    SimulationTableaux& opened() {
        window.FormCreate();
        window.FormShow();
        return window;
    }
    QStringList rankings() const {
        QStringList all;
        for (const auto& row : window.Input().Rows) {
            all << row.RankingText;
        }
        return all;
    }

    // The line-start table holding a skeleton of three lines.
    void fillLineDrawTable() {
        RecordTable table(TableLayout::DrawLine(), work.path(), TableNames::LineDraw);
        ASSERT_TRUE(DrawLines::FillNumbered(table, 3));
    }
    int lineDrawCount() const {
        RecordTable table(TableLayout::DrawLine(), work.path(), TableNames::LineDraw);
        return table.Open() ? table.RecordCount() : -1;
    }

    QTemporaryDir work;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    RecordingFactory wizards;
    SimulationTableaux window{host, state, prompter, wizards};
};

SimulationInput threeRankings() {
    SimulationInput input;
    input.RangeStart = QStringLiteral("NC");
    input.RangeEnd = QStringLiteral("30/5");
    input.Rows = {{QStringLiteral("30/5"), QStringLiteral("2")},
                  {QStringLiteral("40"), QStringLiteral("4")},
                  {QStringLiteral("NC"), QStringLiteral("6")}};
    input.QualifiersOutText = QStringLiteral("2");
    input.SeedsText = QStringLiteral("2");
    input.EntrySizeText = QStringLiteral("16");
    input.DrawType = SimulationInput::LineStart;
    return input;
}

}  // namespace

TEST_F(SimulationTableauxTest, FirstStartWithoutAutosaveShowsOneEmptyRow) {
    window.FormCreate();
    EXPECT_FALSE(window.GridEnabled());
    EXPECT_FALSE(window.NextEnabled());
    EXPECT_FALSE(window.OutgoingEdited());
    EXPECT_EQ(window.Input().RowCount(), 9);  // the grid's rows before the first showing
    const QString autosave = QDir::toNativeSeparators(file("tmpSauve.txt"));
    EXPECT_EQ(window.FileLabel(), autosave);
    EXPECT_EQ(window.FileHint(), QStringLiteral("Fichier temporaire utilisé:\n") + autosave);
    EXPECT_EQ(host.HostTableName, QStringLiteral("Tmpaaaa.db"));
    EXPECT_EQ(window.SavedHostTableName(), QStringLiteral("HOSTTAB.DB"));
    EXPECT_FALSE(host.EntrantNamesOnly);

    window.FormShow();
    EXPECT_TRUE(window.GridEnabled());
    EXPECT_TRUE(window.NextEnabled());
    EXPECT_EQ(window.Input().Rows, (QList<SimulationInput::Row>{{}}));
    EXPECT_TRUE(prompter.entries().isEmpty());

    window.FormClose();
    EXPECT_EQ(host.HostTableName, QStringLiteral("HOSTTAB.DB"));
}

TEST_F(SimulationTableauxTest, CreationReloadsTheAutosaveFile) {
    writeInput(file("tmpSauve.txt"), threeRankings());
    opened();
    EXPECT_EQ(window.Input().RangeStart, QStringLiteral("NC"));
    EXPECT_EQ(window.StartIndex(), 0);
    EXPECT_EQ(window.EndIndex(), 2);
    EXPECT_EQ(window.Input().Rows, threeRankings().Rows);
    EXPECT_EQ(window.Input().SeedsText, QStringLiteral("2"));
    EXPECT_EQ(window.Input().EntrySizeText, QStringLiteral("16"));
    EXPECT_EQ(window.Input().DrawType, SimulationInput::LineStart);
    // Loading is no edit of the outgoing qualifiers.
    EXPECT_FALSE(window.OutgoingEdited());
    EXPECT_TRUE(window.FileHint().startsWith(QStringLiteral("Fichier temporaire utilisé:\n")));
}

TEST_F(SimulationTableauxTest, AutosaveWithARangeOffTheLadderKeepsOneRow) {
    SimulationInput odd = threeRankings();
    odd.RangeStart = QStringLiteral("30/6");
    odd.RangeEnd = QStringLiteral("NC");
    writeInput(file("tmpSauve.txt"), odd);
    opened();
    EXPECT_EQ(window.StartIndex(), -1);
    EXPECT_EQ(window.Input().RangeStart, QString());
    EXPECT_EQ(window.EndIndex(), 0);
    EXPECT_EQ(rankings(), (QStringList{QStringLiteral("NC"), QString()}));
    EXPECT_EQ(window.Input().Rows[0].CountText, QStringLiteral("2"));
}

TEST_F(SimulationTableauxTest, TheGridListsTheRangeBestFirstAndKeepsCountsByRow) {
    opened();
    window.RangeChange(Picker::Start, 0);
    // The end had no entry: it takes the start's.
    EXPECT_EQ(window.EndIndex(), 0);
    EXPECT_EQ(rankings(), QStringList{QStringLiteral("NC")});
    window.SetCell(1, 1, QStringLiteral("7"));

    window.RangeChange(Picker::End, 13);  // "15"
    EXPECT_EQ(window.Input().RangeEnd, QStringLiteral("15"));
    ASSERT_EQ(window.Input().Rows.size(), 14);
    EXPECT_EQ(rankings().first(), QStringLiteral("15"));
    EXPECT_EQ(rankings().last(), QStringLiteral("NC"));
    EXPECT_EQ(window.Input().RowCount(), 15);
    // The count typed in row 1 stays in row 1, beside its new ranking.
    EXPECT_EQ(window.Input().Rows[0].CountText, QStringLiteral("7"));
    EXPECT_EQ(window.Input().Rows[13].CountText, QString());

    window.SetCell(14, 1, QStringLiteral("9"));
    window.RangeChange(Picker::Start, 12);  // "15/1": two rows, the others dropped
    EXPECT_EQ(rankings(), (QStringList{QStringLiteral("15"), QStringLiteral("15/1")}));
    window.RangeChange(Picker::Start, 0);
    EXPECT_EQ(window.Input().Rows[13].CountText, QString());
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(SimulationTableauxTest, AnEndBelowTheStartBringsThePickersTogether) {
    opened();
    window.RangeChange(Picker::Start, 2);
    window.RangeChange(Picker::End, 10);
    window.RangeChange(Picker::End, 1);  // "40", below "30/5"
    EXPECT_EQ(window.StartIndex(), 1);
    EXPECT_EQ(window.Input().RangeStart, QStringLiteral("40"));
    EXPECT_EQ(rankings(), QStringList{QStringLiteral("40")});

    window.RangeChange(Picker::End, 5);
    window.RangeChange(Picker::Start, 8);  // the start above the end moves the end
    EXPECT_EQ(window.EndIndex(), 8);
    EXPECT_EQ(rankings(), QStringList{QStringLiteral("15/5")});

    window.RangeChange(Picker::Start, -1);  // a start without text empties the end
    EXPECT_EQ(window.EndIndex(), -1);
    EXPECT_EQ(rankings(), QStringList{QString()});
}

TEST_F(SimulationTableauxTest, MoreThanTwelveFilledRowsAreToldBeforeTheRebuild) {
    opened();
    window.RangeChange(Picker::Start, 0);
    window.RangeChange(Picker::End, 12);  // 13 rows
    for (int row = 1; row <= 12; ++row) {
        window.SetCell(row, 1, QStringLiteral("1"));
    }
    window.RangeChange(Picker::End, 13);
    EXPECT_TRUE(prompter.entries().isEmpty());

    window.SetCell(13, 1, QStringLiteral("2"));
    window.RangeChange(Picker::End, 11);
    EXPECT_EQ(
        prompter.texts(),
        QStringList{QStringLiteral("L'assistant limite le nombre de classement traité à 12")});
    EXPECT_EQ(window.Input().Rows.size(), 12);
}

TEST_F(SimulationTableauxTest, SeedsFollowTheOutgoingQualifiers) {
    opened();
    window.SetSeeds(QStringLiteral("1"));
    window.OutgoingChanged(QStringLiteral("3"));
    EXPECT_EQ(window.Input().SeedsText, QStringLiteral("3"));
    EXPECT_EQ(window.Input().QualifiersOutText, QStringLiteral("3"));
    EXPECT_TRUE(window.OutgoingEdited());

    window.SetSeeds(QStringLiteral("8"));
    window.OutgoingChanged(QStringLiteral("4"));
    EXPECT_EQ(window.Input().SeedsText, QStringLiteral("8"));

    // A field being typed in (empty) waits; a text that is no figure is told.
    window.OutgoingChanged(QString());
    EXPECT_TRUE(prompter.entries().isEmpty());
    window.OutgoingChanged(QStringLiteral("x"));
    window.SetSeeds(QStringLiteral("2a"));
    window.OutgoingChanged(QStringLiteral("3"));
    EXPECT_EQ(prompter.texts(),
              (QStringList{QStringLiteral("'x' n'est pas une valeur entière correcte"),
                           QStringLiteral("'2a' n'est pas une valeur entière correcte")}));
    EXPECT_EQ(window.Input().SeedsText, QStringLiteral("2a"));
    EXPECT_EQ(window.Input().QualifiersOutText, QStringLiteral("3"));
}

TEST_F(SimulationTableauxTest, MettreAZeroEmptiesTheCountsAndTheFigures) {
    writeInput(file("tmpSauve.txt"), threeRankings());
    opened();
    window.MettreAZero();
    const SimulationInput& input = window.Input();
    EXPECT_EQ(input.Rows.size(), 3);
    for (const auto& row : input.Rows) {
        EXPECT_FALSE(row.RankingText.isEmpty());
        EXPECT_TRUE(row.CountText.isEmpty());
    }
    EXPECT_EQ(input.QualifiersOutText, QStringLiteral("0"));
    EXPECT_EQ(input.QualifiersInText, QStringLiteral("0"));
    EXPECT_EQ(input.SeedsText, QStringLiteral("0"));
    EXPECT_EQ(input.EntrySizeText, QString());
    EXPECT_EQ(input.RangeEnd, QStringLiteral("30/5"));
    EXPECT_TRUE(window.OutgoingEdited());  // the outgoing text changed from "2"
}

TEST_F(SimulationTableauxTest, ANewInputEmptiesTheLineStartTable) {
    opened();
    fillLineDrawTable();
    window.MettreAZero();
    EXPECT_EQ(lineDrawCount(), 0);

    // A file that does not load leaves the table alone; one that loads empties it.
    fillLineDrawTable();
    const QString bad = file("bad.txt");
    QFile badFile(bad);
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write("NC\r\n15\r\ntrois\r\n");
    badFile.close();
    prompter.queueFileName(bad);
    window.OuvrirFichier();
    EXPECT_EQ(lineDrawCount(), 3);
    writeInput(file("good.txt"), threeRankings());
    prompter.queueFileName(file("good.txt"));
    window.OuvrirFichier();
    EXPECT_EQ(lineDrawCount(), 0);
}

TEST_F(SimulationTableauxTest, EnregistrerBeforeAnyOpenDoesNothing) {
    opened();
    window.Enregistrer();
    EXPECT_TRUE(prompter.fileRequests().isEmpty());
    EXPECT_TRUE(prompter.entries().isEmpty());
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList());
}

TEST_F(SimulationTableauxTest, OpenSaveAndSaveAsGoThroughTheDialogs) {
    QDir(work.path()).mkdir(QStringLiteral("club"));
    const QString opened = file("club/simple.txt");
    writeInput(opened, threeRankings());
    this->opened();
    const QString current = QDir::currentPath();

    prompter.queueFileName(QString());  // cancelled: nothing changes
    window.OuvrirFichier();
    EXPECT_EQ(window.OpenFileName(), QString());
    EXPECT_EQ(window.Input().Rows.size(), 1);

    prompter.queueFileName(opened);
    window.OuvrirFichier();
    EXPECT_EQ(prompter.fileRequests().at(1).directory, current);
    EXPECT_EQ(window.Input().Rows, threeRankings().Rows);
    EXPECT_EQ(window.OpenFileName(), opened);
    EXPECT_EQ(window.FileLabel(), QDir::toNativeSeparators(opened));
    EXPECT_EQ(window.FileHint(),
              QStringLiteral("Fichier utilisé:\n") + QDir::toNativeSeparators(opened));
    EXPECT_EQ(QDir::currentPath(), current);

    // "Enregistrer" writes to the file opened, after the question.
    window.SetCell(1, 1, QStringLiteral("5"));
    prompter.queueAnswer(true);
    window.Enregistrer();
    EXPECT_EQ(prompter.texts().last(), QStringLiteral("Fichier existant, voulez-vous l'écraser ?"));
    SimulationInput reread;
    ASSERT_EQ(SimulationFile::LoadSimulation(opened, reread, prompter),
              SimulationFile::LoadStatus::Loaded);
    EXPECT_EQ(reread.Rows[0].CountText, QStringLiteral("5"));

    // "Enregistrer sous..." proposes the file opened, in the open dialog's folder.
    const QString copy = file("club/copie.txt");
    prompter.queueFileName(copy);
    window.EnregistrerSous();
    EXPECT_EQ(prompter.fileRequests().last().directory, current);
    EXPECT_EQ(prompter.fileRequests().last().fileName, opened);
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(window.FileLabel(), QDir::toNativeSeparators(copy));

    // Refusing to overwrite keeps the file and the label as they were.
    prompter.queueFileName(opened);
    prompter.queueAnswer(false);
    window.EnregistrerSous();
    EXPECT_EQ(window.FileLabel(), QDir::toNativeSeparators(copy));
}

TEST_F(SimulationTableauxTest, SuivantHandsTheInputToTheWizardOfTheDrawType) {
    writeInput(file("tmpSauve.txt"), threeRankings());
    opened();
    QFile::remove(file("tmpSauve.txt"));
    window.SetSeeds(QStringLiteral("3"));
    window.Suivant();
    EXPECT_EQ(wizards.types, QList<int>{SimulationInput::LineStart});
    EXPECT_EQ(wizards.figures, (QList<int>{0, 2, 3}));
    EXPECT_EQ(wizards.shown, 1);
    EXPECT_EQ(state.Rankings[1].Name, QStringLiteral("30/5"));
    EXPECT_EQ(state.Rankings[3].Count, 6);
    EXPECT_TRUE(QFile::exists(file("tmpSauve.txt")));

    window.SetDrawType(SimulationInput::Staggered);
    window.Suivant();
    EXPECT_EQ(wizards.types.last(), SimulationInput::Staggered);
}

TEST_F(SimulationTableauxTest, AFileThatStopsHalfWayLeavesTheWindowAsItWas) {
    const QString good = file("good.txt");
    writeInput(good, threeRankings());
    const QString bad = file("bad.txt");
    {
        QFile out(bad);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("NC\r\n-15\r\nx\r\nNC\r\n4\r\n");
    }
    opened();
    prompter.queueFileName(good);
    window.OuvrirFichier();
    fillLineDrawTable();
    const SimulationInput before = window.Input();
    const int start = window.StartIndex();
    const int end = window.EndIndex();

    prompter.queueFileName(bad);
    window.OuvrirFichier();
    EXPECT_EQ(prompter.texts().last(), QStringLiteral("'x' n'est pas une valeur entière correcte"));
    EXPECT_EQ(window.Input(), before);
    EXPECT_EQ(window.StartIndex(), start);
    EXPECT_EQ(window.EndIndex(), end);
    EXPECT_EQ(window.FileLabel(), QDir::toNativeSeparators(good));
    EXPECT_EQ(lineDrawCount(), 3);  // the skeleton of the shown input stays
}
