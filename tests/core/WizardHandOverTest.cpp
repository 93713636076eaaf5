#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"
#include "core/StaircaseState.h"
#include "core/Wizard.h"
#include "core/WizardHandOver.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SimulationInput inputWith(QList<SimulationInput::Row> rows, const char* out, const char* in,
                          const char* seeds) {
    SimulationInput input;
    input.RangeStart = QStringLiteral("NC");
    input.RangeEnd = QStringLiteral("15");
    input.Rows = std::move(rows);
    input.QualifiersOutText = QString::fromUtf8(out);
    input.QualifiersInText = QString::fromUtf8(in);
    input.SeedsText = QString::fromUtf8(seeds);
    return input;
}

// A wizard that clears the rows when created, as both real wizards do, and records
// what the hand-over gives it.
struct RecordingWizard : Wizard {
    struct Record {
        int drawType = -1;
        bool outgoingEditedSet = false;
        bool outgoingEdited = false;
        QList<int> init;
        bool shown = false;
        QList<RankingRow> rowsAtInit;
    };

    RecordingWizard(int drawType, StaircaseState& state, Record& record)
        : state_(state), record_(record) {
        record_ = Record{};
        record_.drawType = drawType;
        if (drawType == SimulationInput::Staggered) {
            state_.ResetStaircase();
        } else {
            state_.ClearRankings();
        }
    }
    void setOutgoingEdited(bool edited) override {
        record_.outgoingEditedSet = true;
        record_.outgoingEdited = edited;
    }
    void Init(int in, int out, int seeds, int dimension) override {
        record_.init = {in, out, seeds, dimension};
        record_.rowsAtInit = QList<RankingRow>(state_.Rankings.begin(), state_.Rankings.end());
    }
    void showModal() override { record_.shown = true; }

    StaircaseState& state_;
    Record& record_;
};

struct RecordingFactory : WizardFactory {
    explicit RecordingFactory(StaircaseState& state) : state_(state) {}
    std::unique_ptr<Wizard> create(int drawType) override {
        ++created;
        return std::make_unique<RecordingWizard>(drawType, state_, record);
    }
    StaircaseState& state_;
    RecordingWizard::Record record;
    int created = 0;
};

class WizardHandOverTest : public ::testing::Test {
protected:
    QString autosave() const { return QDir(dir_.path()).filePath(QStringLiteral("tmpSauve.txt")); }

    QTemporaryDir dir_;
    ScriptedPrompter prompter_;
    StaircaseState state_;
};

}  // namespace

TEST_F(WizardHandOverTest, CopiesFilledRowsOnlyCuttingRankingsToFiveCharacters) {
    const SimulationInput input = inputWith({{QStringLiteral("15"), QStringLiteral("3")},
                                             {QStringLiteral("15/1"), QString()},
                                             {QString(), QStringLiteral("9")},
                                             {QStringLiteral("N°100x"), QStringLiteral("2")}},
                                            "0", "0", "0");
    EXPECT_TRUE(WizardHandOver::CopyRankingRows(input, state_, prompter_));
    EXPECT_EQ(state_.Rankings[1].Name, QStringLiteral("15"));
    EXPECT_EQ(state_.Rankings[1].Count, 3);
    EXPECT_EQ(state_.Rankings[2].Name, QStringLiteral("N°100"));
    EXPECT_EQ(state_.Rankings[2].Count, 2);
    EXPECT_EQ(state_.Rankings[3], RankingRow{});
}

TEST_F(WizardHandOverTest, CopiesAtMostTwelveRows) {
    QList<SimulationInput::Row> rows;
    for (int i = 0; i < 14; ++i) {
        rows.append({QStringLiteral("R%1").arg(i + 1), QStringLiteral("%1").arg(i + 1)});
    }
    rows[13].CountText = QStringLiteral("beaucoup");  // ignored: beyond the twelfth row
    EXPECT_TRUE(WizardHandOver::CopyRankingRows(inputWith(rows, "0", "0", "0"), state_, prompter_));
    EXPECT_EQ(state_.Rankings[12].Name, QStringLiteral("R12"));
    EXPECT_TRUE(prompter_.entries().isEmpty());
}

TEST_F(WizardHandOverTest, ARefusedCountStopsBeforeTheWizardShows) {
    RecordingFactory factory(state_);
    for (const char* count : {"x", "-3", "5000"}) {
        prompter_.clear();
        const SimulationInput input =
            inputWith({{QStringLiteral("15"), QStringLiteral("3")},
                       {QStringLiteral("30/1"), QString::fromUtf8(count)}},
                      "2", "0", "2");
        EXPECT_FALSE(WizardHandOver::OpenWizard(input, state_, prompter_, dir_.path(), factory));
        EXPECT_EQ(
            prompter_.texts(),
            QStringList{QStringLiteral("Problème sur le nombre de joueur de classement 30/1")});
        EXPECT_FALSE(factory.record.shown);
        EXPECT_TRUE(factory.record.init.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(autosave()));
}

TEST_F(WizardHandOverTest, ValidFiguresAreSavedToTheAutosaveFile) {
    const SimulationInput input =
        inputWith({{QStringLiteral("15"), QStringLiteral("3")}}, "2", "1", "4");
    const auto figures = WizardHandOver::ValidateFigures(input, prompter_, dir_.path());
    EXPECT_EQ(figures, (WizardHandOver::Figures{1, 2, 4, true}));
    EXPECT_TRUE(prompter_.entries().isEmpty());
    SimulationInput saved;
    EXPECT_EQ(SimulationFile::LoadSimulation(autosave(), saved, prompter_),
              SimulationFile::LoadStatus::Loaded);
    EXPECT_EQ(saved, input);
}

TEST_F(WizardHandOverTest, TheFirstBadFigureIsToldAndTheRestStayZero) {
    const struct {
        const char* out;
        const char* in;
        const char* seeds;
        WizardHandOver::Figures figures;
        const char* message;
    } cases[] = {
        {"2", "x", "2", {0, 0, 0, false}, "Problème sur le nombre de qualifiés entrants"},
        {"", "3", "2", {3, 0, 0, false}, "Problème sur le nombre de qualifiés sortants"},
        {"2", "3", "-1", {3, 2, 0, false}, "Problème sur le nombre de tête de séries"},
        {"2",
         "0",
         "1",
         {0, 2, 1, false},
         "Problème sur le nombre de tête de séries qui est inférieur au nombre de qualifiés "
         "sortants"},
        {"2", "99999", "2", {0, 0, 0, false}, "Problème sur le nombre de qualifiés entrants"},
    };
    for (const auto& c : cases) {
        prompter_.clear();
        const auto figures = WizardHandOver::ValidateFigures(inputWith({}, c.out, c.in, c.seeds),
                                                             prompter_, dir_.path());
        EXPECT_EQ(figures, c.figures) << c.message;
        EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)});
    }
    EXPECT_FALSE(QFileInfo::exists(autosave()));
}

TEST_F(WizardHandOverTest, OpensTheStaggeredWizardWithTheCheckedFigures) {
    RecordingFactory factory(state_);
    state_.Rankings[5].Name = QStringLiteral("old");  // cleared by the wizard's creation
    SimulationInput input = inputWith({{QStringLiteral("15"), QStringLiteral("3")},
                                       {QStringLiteral("NC"), QString()},
                                       {QStringLiteral("30"), QStringLiteral("5")}},
                                      "2", "0", "1");
    input.OutgoingEdited = true;
    EXPECT_TRUE(WizardHandOver::OpenWizard(input, state_, prompter_, dir_.path(), factory));
    EXPECT_EQ(factory.created, 1);
    EXPECT_EQ(factory.record.drawType, SimulationInput::Staggered);
    // The seeds warning does not stop the wizard; it opens with the figures as converted.
    EXPECT_EQ(factory.record.init, (QList<int>{0, 2, 1, 0}));
    EXPECT_TRUE(factory.record.shown);
    EXPECT_FALSE(factory.record.outgoingEditedSet);
    EXPECT_EQ(factory.record.rowsAtInit[0].Name, QStringLiteral("15"));
    EXPECT_EQ(factory.record.rowsAtInit[1].Name, QStringLiteral("30"));
    EXPECT_EQ(factory.record.rowsAtInit[4], RankingRow{});
    EXPECT_FALSE(QFileInfo::exists(autosave()));
}

TEST_F(WizardHandOverTest, OpensTheLineStartWizardWithTheEditedFlag) {
    RecordingFactory factory(state_);
    SimulationInput input =
        inputWith({{QStringLiteral("15"), QStringLiteral("12")}}, "1", "0", "4");
    input.DrawType = SimulationInput::LineStart;
    input.OutgoingEdited = true;
    EXPECT_TRUE(WizardHandOver::OpenWizard(input, state_, prompter_, dir_.path(), factory));
    EXPECT_EQ(factory.record.drawType, SimulationInput::LineStart);
    EXPECT_TRUE(factory.record.outgoingEditedSet);
    EXPECT_TRUE(factory.record.outgoingEdited);
    EXPECT_EQ(factory.record.init, (QList<int>{0, 1, 4, 0}));
    EXPECT_TRUE(QFileInfo::exists(autosave()));
}
