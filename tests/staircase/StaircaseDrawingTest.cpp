#include "StaircaseFixtures.h"
#include "staircase/SolutionEvaluator.h"
#include "staircase/StaircaseDrawing.h"

#include <gtest/gtest.h>

namespace {

QString Text(const Page& page, int top, int left) {
    const PageItem* item = LabelAt(page, top, left);
    return item == nullptr ? QStringLiteral("<none>") : item->text;
}

}  // namespace

TEST(StaircaseDrawing, SummaryOfRankingsQualifiersAndEnd) {
    StaircaseState state;
    SetRankings(state, {{"15  ", 4}, {"30/5", 6}}, 4, 2);
    state.Couples = 3;
    Page page;
    StaircaseDrawing(page, state).AfficheInfo(0, state.TotalPlayers);
    EXPECT_EQ(Text(page, 25, 620), QStringLiteral(" 4  (15)"));
    EXPECT_EQ(Text(page, 40, 620), QStringLiteral(" 6  (30/5)"));
    EXPECT_EQ(Text(page, 55, 620), QStringLiteral(" 2  q"));
    const PageItem* line = page.find(page.names().at(3));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->kind, PageItem::Kind::Bar);
    EXPECT_EQ(line->box(), QRect(620, 70, 30, 2));
    EXPECT_EQ(Text(page, 75, 620), QStringLiteral(" 12"));
    EXPECT_EQ(Text(page, 100, 620), QStringLiteral("Qualifiant   4"));
    EXPECT_EQ(Text(page, 120, 620), QStringLiteral(" 3  Couples"));
    EXPECT_EQ(Text(page, 50, 525), QStringLiteral("4 Q"));

    Page final;
    state.FinalDraw = true;
    state.Couples = 0;
    state.QualifiersIn = 0;
    StaircaseDrawing(final, state).AfficheInfo(0, 10);
    EXPECT_EQ(Text(final, 100, 610), QStringLiteral("Joueurs 1/4 finale"));
    EXPECT_TRUE(LabelsWithText(final, QStringLiteral(" 0  Couples")).isEmpty());
    EXPECT_EQ(Text(final, 55, 620), QStringLiteral("<none>"));
}

TEST(StaircaseDrawing, ColumnsFromTheLastRoundLeftwards) {
    StaircaseState state;
    SetRankings(state, {{"A", 1}, {"B", 6}, {"C", 1}}, 2);
    SolutionEvaluator::Evaluate(state, Solution({2, 2, 3, 1}));
    Page page;
    StaircaseDrawing(page, state).AfficheInfo(3, state.TotalPlayers);
    // Headers: "1", "2", "3 tours" from left to right.
    EXPECT_EQ(Text(page, 1, 470), QStringLiteral("3 tours"));
    EXPECT_EQ(Text(page, 1, 415), QStringLiteral("2"));
    EXPECT_EQ(Text(page, 1, 360), QStringLiteral("1"));
    // Tour 1: 4 positions with an arrow, A enters, one compression, 3 winners arrive.
    EXPECT_EQ(Text(page, 50, 470), QStringLiteral("4"));
    EXPECT_EQ(Text(page, 50, 490), QStringLiteral("---->"));
    EXPECT_EQ(Text(page, 65, 470), QStringLiteral("1 (A)"));
    EXPECT_EQ(Text(page, 80, 500), QStringLiteral("1 compression(s)"));
    EXPECT_EQ(Text(page, 80, 470), QStringLiteral("3"));
    // Tour 2 starts on that line: its positions point at the winners it sends.
    EXPECT_EQ(Text(page, 80, 415), QStringLiteral("6"));
    EXPECT_EQ(Text(page, 95, 415), QStringLiteral("5 (B)"));
    EXPECT_EQ(Text(page, 110, 415), QStringLiteral("1"));
    EXPECT_EQ(Text(page, 110, 360), QStringLiteral("2"));
    EXPECT_EQ(Text(page, 125, 360), QStringLiteral("1 (B)"));
    EXPECT_EQ(Text(page, 140, 360), QStringLiteral("1 (C)"));
    // The last tour sends nobody on.
    EXPECT_EQ(Text(page, 155, 360), QStringLiteral("<none>"));
    bool arrowLine = false;
    for (const PageItem* item : page.items()) {
        arrowLine = arrowLine ||
                    (item->kind == PageItem::Kind::Bar && item->box() == QRect(470, 62, 15, 2));
    }
    EXPECT_TRUE(arrowLine);
}

TEST(StaircaseDrawing, CompressionsAndPartiesWithoutQualifiers) {
    // Eight positions, three ranked entrants and two qualifiers: one compression.
    StaircaseState state;
    SetRankings(state, {{"A", 6}}, 4, 5);
    SolutionEvaluator::Evaluate(state, Solution({4, 4, 3}));
    ASSERT_EQ(state.Steps[1].Entries[2].Name, QStringLiteral("q"));
    ASSERT_EQ(state.Steps[1].Entries[2].Count, 2);
    state.Compressions = 0;
    Page page;
    StaircaseDrawing(page, state).AfficheInfo(2, state.TotalPlayers);
    EXPECT_EQ(LabelsWithText(page, QStringLiteral("1 compression(s)")).size(), 1);
    EXPECT_EQ(LabelsWithText(page, QStringLiteral("1 partie se jouera sans qualifiés")).size(), 1);

    state.Compressions = -1;
    Page more;
    StaircaseDrawing(more, state).AfficheInfo(2, state.TotalPlayers);
    EXPECT_EQ(LabelsWithText(more, QStringLiteral("2 parties se joueront sans qualifiés")).size(),
              1);

    // Without incoming qualifiers, never, whatever the compressions.
    SetRankings(state, {{"A", 1}, {"B", 6}, {"C", 1}}, 2);
    SolutionEvaluator::Evaluate(state, Solution({2, 2, 3, 1}));
    state.Compressions = -5;
    Page none;
    StaircaseDrawing(none, state).AfficheInfo(3, state.TotalPlayers);
    for (const PageItem* item : none.items()) {
        EXPECT_FALSE(item->text.contains(QStringLiteral("sans qualifiés")));
    }
}

TEST(StaircaseDrawing, VerdictTextsColoursAndPlaces) {
    const QColor red(255, 0, 0);
    const QColor green(0, 128, 0);
    const QColor blue(0, 0, 255);
    SolutionCheck check;
    check.SpreadRankings = {{QStringLiteral("30/5"), 3}, {QStringLiteral("30/5"), 4}};
    StaircaseState state;
    Page page;
    StaircaseDrawing(page, state).Verdicts(check, 26, 8);
    EXPECT_EQ(Text(page, 76, 13), QStringLiteral("Les 30/5 sont sur 3 tours"));
    EXPECT_EQ(Text(page, 96, 13), QStringLiteral("Les 30/5 sont sur 4 tours"));
    const PageItem* incorrect = LabelAt(page, 51, 8);
    ASSERT_NE(incorrect, nullptr);
    EXPECT_EQ(incorrect->text,
              QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"));
    EXPECT_EQ(incorrect->textColor, red);
    EXPECT_TRUE(incorrect->font.bold);
    EXPECT_EQ(incorrect->font.family, QStringLiteral("Comic Sans MS"));

    Page allOne;
    StaircaseDrawing(allOne, state).Verdicts(SolutionCheck{}, 26, 8);
    ASSERT_NE(LabelAt(allOne, 51, 8), nullptr);
    EXPECT_EQ(LabelAt(allOne, 51, 8)->text,
              QStringLiteral("Tous les classements sont admis sur 1 tour"));
    EXPECT_EQ(LabelAt(allOne, 51, 8)->textColor, green);

    check = SolutionCheck{};
    check.OneTourCount = 1;
    check.TwoTourCount = 3;
    check.QualifierTourCount = 3;
    Page mixed;
    StaircaseDrawing(mixed, state).Verdicts(check, 26, 8);
    EXPECT_EQ(Text(mixed, 51, 8), QStringLiteral("1 classement est admis sur 1 tour"));
    const QList<const PageItem*> at71 =
        LabelsWithText(mixed, QStringLiteral("3 classements sont admis sur 2 tour"));
    ASSERT_EQ(at71.size(), 1);
    EXPECT_EQ(at71.first()->top, 71);
    EXPECT_EQ(at71.first()->textColor, blue);
    EXPECT_FALSE(at71.first()->font.bold);
    EXPECT_EQ(LabelsWithText(
                  mixed, QStringLiteral("Solution incorrecte, qualifiée(s) sur plus de 2 tours"))
                  .size(),
              1);

    check = SolutionCheck{};
    check.TwoTourCount = 1;
    Page two;
    StaircaseDrawing(two, state).Verdicts(check, 26, 8);
    EXPECT_EQ(Text(two, 51, 8), QStringLiteral("1 classement est admis sur 2 tour"));
    EXPECT_EQ(two.count(), 1);
}
