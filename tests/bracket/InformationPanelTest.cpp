#include "BracketTestSupport.h"

#include "bracket/BracketColors.h"
#include "bracket/InformationPanel.h"
#include "bracket/LineTally.h"
#include "bracket/NotesBox.h"
#include "bracket/PanelWriter.h"

namespace {

const QString Draw = QStringLiteral("Tmpaaaa2.db");

TestLine named(const char* nom, int position = DrawLine::Entrant) {
    return lineOf(position, nom);
}

class LineStartPanelTest : public BracketFixture {
protected:
    void SetUp() override {
        state_.Rankings[1] = {QStringLiteral("15"), 4, 0};
        state_.Rankings[2] = {QStringLiteral("30"), 3, 0};
        state_.Rankings[3] = {QStringLiteral("NC"), 2, 0};
        writeTable(Draw, 16,
                   {{1, named("15")},
                    {2, named("15")},
                    {3, named("Dupont")},  // a player's surname is no ranking
                    {4, named("30")},
                    {5, named("", DrawLine::IncomingQualifier)},
                    {6, named("", DrawLine::IncomingQualifier)}});
    }

    void build(const LineStartFigures& figures, int seeds = 0) {
        RecordTable table(TableLayout::DrawLine(), dir_.path(), Draw);
        ASSERT_TRUE(table.Open());
        const LineTally tally = LineTally::Of(table);
        InformationPanel(page_, state_, tally, seeds).LineStart(figures, notes_);
    }

    QString text(const char* name) const {
        const PageItem* found = page_.find(QString::fromLatin1(name));
        return found == nullptr ? QStringLiteral("<none>") : found->text;
    }
    int top(const char* name) const { return page_.find(QString::fromLatin1(name))->top; }
    int left(const char* name) const { return page_.find(QString::fromLatin1(name))->left; }

    StaircaseState state_;
    NotesBox notes_;
};

}  // namespace

TEST_F(LineStartPanelTest, TheRosterStandsUnderTheFiguresAndCountsThePlacedLines) {
    build(
        {.GridPlayers = 12, .LineQualifiersOut = 1, .LineDimension = 16, .Byes = 4, .NonByes = 8});
    EXPECT_EQ(top("Effectif1"), 130);
    EXPECT_EQ(top("Effectif2"), 145);
    EXPECT_EQ(top("Effectif3"), 160);
    EXPECT_EQ(left("Effectif1"), 647);
    EXPECT_EQ(text("Effectif1"), QStringLiteral(" 2/ 4  (15)"));
    EXPECT_EQ(text("Effectif2"), QStringLiteral(" 1/ 3  (30)"));
    EXPECT_EQ(text("Effectif3"), QStringLiteral(" 0/ 2  (NC)"));
    EXPECT_FALSE(page_.contains(QStringLiteral("Effectif13")));
    EXPECT_TRUE(page_.find(QStringLiteral("Effectif1"))->draggable);
    EXPECT_EQ(top("Info01S"), 195);
    EXPECT_EQ(page_.find(QStringLiteral("Info01S"))->kind, PageItem::Kind::Bar);
    EXPECT_EQ(top("Info01"), 200);
    EXPECT_EQ(text("Info01"), QStringLiteral(" 12"));
    EXPECT_EQ(top("Info02"), 225);
    EXPECT_EQ(left("Info02"), 600);
    EXPECT_EQ(text("Info02"), QStringLiteral("Qualifiant   1"));
    EXPECT_FALSE(page_.contains(QStringLiteral("Info03")));
    EXPECT_FALSE(page_.contains(QStringLiteral("Info04")));
    // Every item remembers the top it was created at.
    for (const PageItem* item : page_.items()) {
        EXPECT_EQ(item->tag, item->top + PanelWriter::TopTag) << item->name.toStdString();
    }
}

TEST_F(LineStartPanelTest, TheFiguresOfTheWizardAreShownAndKeptInTheState) {
    state_.Couples = 2;
    build({.GridPlayers = 10,
           .LineQualifiersIn = 2,
           .LineQualifiersOut = 1,
           .LineDimension = 16,
           .Byes = 4,
           .NonByes = 8},
          4);
    EXPECT_EQ(text("Info1"), QStringLiteral("N = 12"));
    EXPECT_EQ(text("Info2"), QStringLiteral("D = 16"));
    EXPECT_EQ(text("Info3"), QStringLiteral("E = D - N =  4"));
    EXPECT_EQ(text("Info4"), QStringLiteral("NE = N - E =  8"));
    EXPECT_EQ(text("Info5"), QStringLiteral("NPNE = NE / 2 =  4"));
    EXPECT_EQ(text("Info6"), QStringLiteral("QS =  1"));
    EXPECT_EQ(top("Info6"), 95);
    EXPECT_EQ(notes_.text(), QStringLiteral("E = D - N =  4\nNE = N - E =  8\nNPNE = NE / 2 =  4"));
    EXPECT_EQ(state_.TotalPlayers, 12);
    EXPECT_EQ(state_.Dimension, 16);
    EXPECT_EQ(state_.QualifiersOut, 1);
    EXPECT_EQ(state_.QualifiersIn, 2);
    EXPECT_EQ(top("Effectif13"), 120 + 45 + 15);
    EXPECT_EQ(text("Effectif13"), QStringLiteral(" 2/ 2  (q)"));
    // The couples a staggered-entry search left in the state are not this draw's.
    EXPECT_FALSE(page_.contains(QStringLiteral("Info03")));
    EXPECT_EQ(text("Info04"), QStringLiteral(" 4  TS"));
    EXPECT_EQ(text("Info05"), QStringLiteral("N/2 =  6"));
    EXPECT_EQ(top("Info05"), 265);
    EXPECT_EQ(text("Info06"), QStringLiteral("N/8 =  1"));
    EXPECT_EQ(page_.find(QStringLiteral("Info1"))->font,
              (PageFont{QStringLiteral("Comic Sans MS"), 7, false, false, false}));
}

TEST_F(LineStartPanelTest, AFinalDrawNamesTheRoundItsPlayersReach) {
    state_.FinalDraw = true;
    build(
        {.GridPlayers = 12, .LineQualifiersOut = 16, .LineDimension = 16, .Byes = 4, .NonByes = 8});
    EXPECT_EQ(text("Info02"), QStringLiteral("Joueurs en 1/16 finale"));
    EXPECT_EQ(left("Info02"), 590);
    EXPECT_EQ(InformationPanel::LastRoundLabel(true, 0), QStringLiteral("Tableau final"));
    EXPECT_EQ(InformationPanel::LastRoundLabel(true, 3), QStringLiteral("Joueurs en "));
    EXPECT_EQ(InformationPanel::LastRoundLabel(false, 3), QStringLiteral("Qualifiant   3"));
    EXPECT_EQ(InformationPanel::LastRoundLabel(false, 128), QStringLiteral("Qualifiant 128"));
}

TEST_F(LineStartPanelTest, CountLinesOfMatchesWholeNamesOrCountsIncomingQualifiers) {
    RecordTable table(TableLayout::DrawLine(), dir_.path(), Draw);
    ASSERT_TRUE(table.Open());
    const LineTally tally = LineTally::Of(table);
    EXPECT_EQ(tally.CountLinesOf(QStringLiteral("15  ")), 2);
    EXPECT_EQ(tally.CountLinesOf(QStringLiteral("Dup")), 0);
    EXPECT_EQ(tally.CountLinesOf(QStringLiteral("Dupont")), 1);
    EXPECT_EQ(tally.CountLinesOf(QStringLiteral("  ")), 2);
}
