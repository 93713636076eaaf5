#include "BracketTestSupport.h"

#include "bracket/EditSnapshot.h"
#include "bracket/NotesBox.h"
#include "bracket/PageScaling.h"
#include "bracket/StaggeredOpening.h"
#include "bracket/TableProperties.h"
#include "bracket/TableauPrevisualise.h"
#include "common/FailingDisk.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"

namespace {

// Counts the wait cursors shown and given back.
class CountingCursor : public BusyCursor {
public:
    void show() override { ++shown; }
    void restore() override { ++restored; }
    int shown = 0;
    int restored = 0;
};

class BracketViewLogic : public BracketFixture {
protected:
    void SetUp() override {
        host_.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
        host_.DataLocation = dir_.path();
        state_.Rankings[1] = {QStringLiteral("15"), 4, 0};
        view_ = std::make_unique<TableauPrevisualise>(page_, state_, host_, prompter_, cursor_);
    }

    // A line-start draw of 8 laid out and its panel filled, as the wizard opens it.
    void openLineStart(const std::map<int, TestLine>& lines = {}) {
        writeTable(QStringLiteral("Tmpaaaa2.db"), 8, lines);
        view_->settings().Kind = BracketSettings::DrawKind::LineStart;
        view_->settings().HideEmptyBranches = false;
        view_->LayoutBracket(8, true);
        view_->LineStartPanel({.GridPlayers = 6,
                               .LineQualifiersOut = 1,
                               .LineDimension = 8,
                               .Byes = 2,
                               .NonByes = 4});
    }

    const PageItem& at(const QString& name) const {
        const PageItem* found = page_.find(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        static const PageItem none;
        return found != nullptr ? *found : none;
    }

    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    CountingCursor cursor_;
    std::unique_ptr<TableauPrevisualise> view_;
};

}  // namespace

TEST_F(BracketViewLogic, ZoomScalesEveryItemAndThePanelKeepsItsTops) {
    openLineStart();
    const QString name = ItemKeys::key(ItemKeys::Name, 1, 2);
    view_->ZoomIn();
    EXPECT_EQ(at(name).font.pointSize, 8);
    EXPECT_EQ(at(name).left, 24);
    EXPECT_EQ(at(name).top, 107);  // 89 × 1.2 = 106.8
    EXPECT_EQ(at(name).width, 60);
    EXPECT_EQ(at(QStringLiteral("Info1")).left, 720);
    EXPECT_EQ(at(QStringLiteral("Info1")).top, 20);
    EXPECT_EQ(at(QStringLiteral("Effectif1")).top, 130);
    view_->ZoomOut();
    EXPECT_EQ(at(name).font.pointSize, 6);  // 1.2 × 0.8 is not 1
    EXPECT_EQ(at(name).left, 19);

    // A full redisplay draws at the geometry again and keeps the byes and round 1.
    view_->FullRedisplay(true);
    EXPECT_EQ(at(name).font.pointSize, 7);
    EXPECT_EQ(at(name).left, 20);
    EXPECT_EQ(at(QStringLiteral("Info3")).text, QStringLiteral("E = D - N =  2"));
    EXPECT_EQ(at(QStringLiteral("Info4")).text, QStringLiteral("NE = N - E =  4"));
    EXPECT_EQ(at(QStringLiteral("Info1")).text, QStringLiteral("N =  6"));
    EXPECT_EQ(cursor_.shown, 1);
    EXPECT_EQ(cursor_.restored, 1);
}

TEST_F(BracketViewLogic, TheResizeRuleGivesBackTopsAndPutsTheBannerAtTheTop) {
    openLineStart();
    page_.change(QStringLiteral("Info2"), [](PageItem& item) { item.top = 500; });
    page_.change(ItemKeys::Banner, [](PageItem& item) { item.top = 40; });
    view_->Resized();
    EXPECT_EQ(at(QStringLiteral("Info2")).top, 35);
    EXPECT_EQ(at(ItemKeys::Banner).top, 0);
    EXPECT_FALSE(at(ItemKeys::Banner).visible);
}

TEST_F(BracketViewLogic, ClicksOnTheByesFiguresShowAndHideTheNotes) {
    openLineStart();
    EXPECT_FALSE(at(NotesBox::Name).visible);
    view_->ItemClicked(QStringLiteral("Info3"));
    EXPECT_TRUE(at(NotesBox::Name).visible);
    EXPECT_EQ(at(NotesBox::Name).left, 600);
    EXPECT_EQ(at(NotesBox::Name).top, 120 + 220);
    EXPECT_EQ(at(NotesBox::Name).text.count(QLatin1Char('\n')), 2);
    EXPECT_GT(at(NotesBox::Name).height, 3 * 10);
    view_->ItemClicked(QStringLiteral("Info1"));
    EXPECT_TRUE(at(NotesBox::Name).visible);
    view_->ItemClicked(QStringLiteral("Info3"));
    EXPECT_FALSE(at(NotesBox::Name).visible);
    view_->ItemClicked(QStringLiteral("Info5"));
    view_->FullRedisplay(false);
    EXPECT_TRUE(at(NotesBox::Name).visible);  // a redisplay keeps it as it was
}

TEST_F(BracketViewLogic, ARedisplayReadsTheTableAgainWhenReopened) {
    openLineStart();
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 1, 1)).text, QStringLiteral(" "));
    writeTable(QStringLiteral("Tmpaaaa2.db"), 8, {{1, lineOf(DrawLine::Entrant, "Dupont")}});
    view_->FullRedisplay(true);
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 1, 1)).text, QStringLiteral("Dupont "));
    EXPECT_EQ(at(QStringLiteral("Effectif1")).text, QStringLiteral(" 0/ 4  (15)"));
}

TEST_F(BracketViewLogic, ATableThatIsNotOneIsToldAndTheBracketDrawnEmpty) {
    QFile damaged(QDir(dir_.path()).filePath(QStringLiteral("Tmpaaaa.db")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ceci n'est pas une table");
    damaged.close();
    state_.Dimension = 4;
    view_->FullRedisplay(true);
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Warning);
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 3, 7)).left, 120);
    EXPECT_EQ(view_->geometry().VerticalUnit, 160);
}

TEST_F(BracketViewLogic, TheStaggeredOpeningAsksAndOnNoTakesTheEntrantsOff) {
    writeTable(QStringLiteral("Tmpaaaa.db"), 4,
               {{1, lineOf(DrawLine::Seed, "A", 1)},
                {2, lineOf(DrawLine::IncomingQualifier, "", 2)},
                {7, lineOf(DrawLine::OutgoingQualifier, "", 1)}});
    state_.Seeds = 3;
    prompter_.queueAnswer(true);
    BracketSettings kept = StaggeredOpening::Prepare(state_, dir_.path(), prompter_, 5);
    EXPECT_TRUE(kept.HideEmptyBranches);
    EXPECT_EQ(kept.SeedCount, 3);
    EXPECT_EQ(kept.SolutionNumber, 5);
    EXPECT_EQ(kept.Kind, BracketSettings::DrawKind::StaggeredEntry);
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_EQ(prompter_.entries().first().text,
              QStringLiteral("Mise en place d'une solution du squelette du tableau ?"));
    EXPECT_TRUE(prompter_.entries().first().question);

    prompter_.queueAnswer(false);
    const BracketSettings emptied = StaggeredOpening::Prepare(state_, dir_.path(), prompter_, 5);
    EXPECT_FALSE(emptied.HideEmptyBranches);
    RecordTable table(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Tmpaaaa.db"));
    ASSERT_TRUE(table.Open());
    ASSERT_TRUE(table.FindKey({1}));
    EXPECT_EQ(table.text(DrawLine::Nom), QString());
    EXPECT_EQ(table.integer(DrawLine::Position), 0);
    EXPECT_EQ(table.integer(DrawLine::Numero), 1);
    ASSERT_TRUE(table.FindKey({2}));
    EXPECT_EQ(table.integer(DrawLine::Position), 0);
    ASSERT_TRUE(table.FindKey({7}));
    EXPECT_EQ(table.integer(DrawLine::Position), DrawLine::OutgoingQualifier);
}

TEST_F(BracketViewLogic, AddingAndRemovingARoundRedrawsTheBracketAndCountsTheRounds) {
    openLineStart({{1, lineOf(DrawLine::Entrant, "Dupont")}});
    EXPECT_FALSE(view_->CanRemoveRound());
    EXPECT_FALSE(view_->RemoveRound());  // nothing was added in this view
    EXPECT_EQ(state_.Dimension, 8);

    ASSERT_TRUE(view_->AddRound());
    EXPECT_EQ(state_.Dimension, 16);
    EXPECT_EQ(view_->AddedRounds(), 1);
    EXPECT_TRUE(view_->CanRemoveRound());
    // Redrawn from the table reopened: 16 entries, the old line 1 now in round 2.
    EXPECT_EQ(view_->geometry().VerticalUnit, 40);
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 2, 17)).text, QStringLiteral("Dupont "));
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 1, 16)).text, QStringLiteral(" "));
    EXPECT_TRUE(page_.contains(ItemKeys::key(ItemKeys::Name, 5, 31)));
    EXPECT_EQ(at(QStringLiteral("Info2")).text, QStringLiteral("D = 16"));

    ASSERT_TRUE(view_->AddRound());
    EXPECT_EQ(state_.Dimension, 32);
    ASSERT_TRUE(view_->RemoveRound());
    ASSERT_TRUE(view_->RemoveRound());
    EXPECT_FALSE(view_->CanRemoveRound());
    EXPECT_EQ(state_.Dimension, 8);
    EXPECT_EQ(view_->geometry().VerticalUnit, 80);
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 1, 1)).text, QStringLiteral("Dupont "));
    EXPECT_FALSE(page_.contains(ItemKeys::key(ItemKeys::Name, 5, 31)));
    EXPECT_TRUE(prompter_.entries().isEmpty());
}

// Each dimension change is one step of the history: undo and redo give back the table,
// the page, the dimension and the count of added rounds that "Diminuer" relies on.
TEST_F(BracketViewLogic, UndoAndRedoOfDimensionChangesGiveBackTheExactDraw) {
    openLineStart({{1, lineOf(DrawLine::Entrant, "Dupont")}, {9, lineOf(DrawLine::Seed, "A", 1)}});
    const auto snapshot = [this] {
        return EditSnapshot::Capture(
            page_, view_->table(),
            {view_->settings(), view_->geometry(), state_.Dimension, view_->AddedRounds()});
    };
    std::vector<EditSnapshot> states{snapshot()};
    ASSERT_TRUE(view_->AddRound());
    states.push_back(snapshot());
    ASSERT_TRUE(view_->AddRound());
    states.push_back(snapshot());
    ASSERT_TRUE(view_->RemoveRound());
    states.push_back(snapshot());
    QUndoStack& stack = view_->editor().undoStack();
    ASSERT_EQ(stack.count(), 3);
    EXPECT_EQ(stack.text(0), QStringLiteral("Augmenter les dimensions du tableau"));
    EXPECT_EQ(stack.text(2), QStringLiteral("Diminuer les dimensions du tableau"));
    for (int step = 2; step >= 0; --step) {
        stack.undo();
        const EditSnapshot shown = snapshot();
        EXPECT_TRUE(shown.lines == states[static_cast<std::size_t>(step)].lines) << step;
        EXPECT_TRUE(shown.items == states[static_cast<std::size_t>(step)].items) << step;
        EXPECT_TRUE(shown.figures == states[static_cast<std::size_t>(step)].figures) << step;
    }
    EXPECT_FALSE(view_->CanRemoveRound());
    for (int step = 1; step <= 3; ++step) {
        stack.redo();
        const EditSnapshot shown = snapshot();
        EXPECT_TRUE(shown.lines == states[static_cast<std::size_t>(step)].lines) << step;
        EXPECT_TRUE(shown.items == states[static_cast<std::size_t>(step)].items) << step;
        EXPECT_TRUE(shown.figures == states[static_cast<std::size_t>(step)].figures) << step;
    }
    EXPECT_EQ(view_->AddedRounds(), 1);
    // A refused change is no step.
    state_.Dimension = 1024;
    EXPECT_FALSE(view_->AddRound());
    EXPECT_EQ(stack.count(), 3);
}

TEST_F(BracketViewLogic, ADrawOf1024EntriesDoesNotGrow) {
    openLineStart();
    state_.Dimension = 1024;
    EXPECT_FALSE(view_->AddRound());
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_EQ(prompter_.entries().first().text,
              QStringLiteral("Le tableau ne peut pas dépasser 1024 entrées."));
    EXPECT_EQ(view_->AddedRounds(), 0);
}

TEST_F(BracketViewLogic, AFullDiskWhileAddingARoundIsToldAndChangesNothing) {
    FailingDisk disk;  // before the table is opened, so that it writes through the disk
    openLineStart();
    disk.fillAfter(0, FailingDisk::Files::All, "Tmpaaaa2.db");
    EXPECT_FALSE(view_->AddRound());
    disk.makeRoom();
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Warning);
    EXPECT_EQ(state_.Dimension, 8);
    EXPECT_EQ(view_->AddedRounds(), 0);
    EXPECT_TRUE(page_.contains(ItemKeys::key(ItemKeys::Name, 4, 15)));
}

TEST_F(BracketViewLogic, ThePropertiesChangeTheBranchesAndTheGeometryOfTheRedisplay) {
    openLineStart({{3, lineOf(DrawLine::Entrant, "Dupont")}});
    TableProperties shown = view_->Properties();
    EXPECT_TRUE(shown.WithEmptyBranches);
    EXPECT_TRUE(shown.EndBranchesEnabled);
    EXPECT_EQ(shown.Dimension, 8);

    // 150 %: the geometry of the value, no longer fitted to the height of 64 entries.
    shown.Percent = 150;
    view_->ApplyProperties(shown);
    EXPECT_EQ(view_->geometry(), (BracketGeometry{15, 75, 75}));
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 2, 11)).left, 20 + 75);
    EXPECT_EQ(at(ItemKeys::key(ItemKeys::Name, 1, 3)).top, 20 + 2 * 15 - 11);
    EXPECT_TRUE(page_.contains(ItemKeys::key(ItemKeys::Name, 1, 5)));

    shown.WithEmptyBranches = false;
    view_->ApplyProperties(shown);
    EXPECT_TRUE(view_->settings().HideEmptyBranches);
    EXPECT_EQ(view_->geometry().VerticalUnit, 15);
    EXPECT_FALSE(page_.contains(ItemKeys::key(ItemKeys::Name, 1, 5)));  // empty, hidden

    // OK without change: 100 % reopens the table and fits the draw of 8 again.
    view_->ApplyProperties(view_->Properties());
    EXPECT_EQ(view_->geometry().VerticalUnit, 80);
    EXPECT_EQ(view_->geometry().LineWidth, 50);
}
