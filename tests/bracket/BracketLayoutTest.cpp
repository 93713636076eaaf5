#include "BracketTestSupport.h"

#include "bracket/BracketColors.h"

namespace {

const QString Draw = QStringLiteral("Tmpaaaa.db");

TestLine entrant(const char* nom, int position = DrawLine::Entrant, int numero = 0) {
    return lineOf(position, nom, numero);
}

}  // namespace

using BracketGeometryRule = ::testing::Test;

TEST(BracketGeometryRule, SmallDrawsFillTheHeightOfADrawOf64) {
    EXPECT_EQ(BracketGeometry::FromLineCount(15), (BracketGeometry{80, 50, 50}));    // D = 8
    EXPECT_EQ(BracketGeometry::FromLineCount(63), (BracketGeometry{20, 50, 50}));    // D = 32
    EXPECT_EQ(BracketGeometry::FromLineCount(127), (BracketGeometry{10, 50, 50}));   // D = 64
    EXPECT_EQ(BracketGeometry::FromLineCount(2047), (BracketGeometry{10, 50, 50}));  // D = 1024
    // A section draw of 12: r = 64 / 12, so U = 53 and W = 50 × r / 5 = 53.
    EXPECT_EQ(BracketGeometry::FromLineCount(23), (BracketGeometry{53, 53, 53}));
    EXPECT_EQ(BracketGeometry::FromPercent(150), (BracketGeometry{15, 75, 75}));
}

class BracketLayoutTest : public BracketFixture {
protected:
    int lineY(int round, int line) const {
        const PageItem* name = item(ItemKeys::Name, round, line);
        return name == nullptr ? -1 : name->top + 11;
    }
    int columnX(int round, int line) const {
        const PageItem* name = item(ItemKeys::Name, round, line);
        return name == nullptr ? -1 : name->left;
    }
};

TEST_F(BracketLayoutTest, ADrawOf8PutsRoundOneLinesUApartAndEachLaterLineBetweenItsFeeders) {
    writeTable(Draw, 8, {});
    layout(8, inputs(false, 15));
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(lineY(1, j), 20 + 80 * (j - 1)) << "line " << j;
        const PageItem* segment = item(ItemKeys::Segment, 1, j);
        ASSERT_NE(segment, nullptr);
        EXPECT_EQ(segment->top, 20 + 80 * (j - 1));
        EXPECT_EQ(segment->left, 18);
        EXPECT_EQ(segment->width, 50);
        EXPECT_EQ(segment->height, 1);
    }
    const int round2[] = {60, 220, 380, 540};
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(lineY(2, 8 + j), round2[j - 1]) << "line " << 8 + j;
        EXPECT_EQ(columnX(2, 8 + j), 70);
    }
    EXPECT_EQ(columnX(4, 15), 20 + 3 * 50);
    EXPECT_EQ(item(ItemKeys::Segment, 4, 15)->height, 2);  // the last round is thicker
    // The pair of lines 1 and 2 is joined at the segments' right end.
    EXPECT_EQ(barsAt(68, 50), 1);
}

TEST_F(BracketLayoutTest, TheFinalOfADrawOf32Or64Stands38PixelsOnWithoutLeftStub) {
    writeTable(Draw, 64, {});
    BracketLayout::Inputs wide = inputs(false, 127);
    layout(64, wide);
    EXPECT_EQ(columnX(6, 126), 270);
    EXPECT_EQ(columnX(7, 127), 270 + 38);

    // With columns further apart than the lines are wide, the stubs show: every column
    // but the first and the final has its left stub.
    page_.clear();
    wide.geometry.ColumnStep = 60;
    layout(64, wide);
    EXPECT_EQ(columnX(7, 127), 320 + 46);
    EXPECT_FALSE(hasBar(20 - 7, 20, 5, 1));   // round 1
    EXPECT_TRUE(hasBar(80 - 7, 25, 5, 1));    // round 2, line 65 at y = 25
    EXPECT_TRUE(hasBar(320 - 7, 175, 5, 1));  // round 6, line 125
    EXPECT_FALSE(hasBar(366 - 7, 335, 5, 1));

    writeTable(Draw, 32, {});
    page_.clear();
    layout(32, inputs(false, 63));
    EXPECT_EQ(columnX(5, 62), 220);
    EXPECT_EQ(columnX(6, 63), 258);
}

TEST_F(BracketLayoutTest, ADrawOf128StepsEveryColumnBy50) {
    writeTable(Draw, 128, {});
    layout(128, inputs(false, 255));
    int first = 1;
    for (int round = 1, size = 128; size >= 1; ++round, size /= 2) {
        EXPECT_EQ(columnX(round, first), 20 + 50 * (round - 1)) << "round " << round;
        first += size;
    }
    EXPECT_EQ(page_.names(ItemKeys::Name).size(), 255);
}

TEST_F(BracketLayoutTest, HiddenEmptyPairsDrawNothingAndTheirLineOnlyWithContent) {
    writeTable(Draw, 8, {{1, entrant("A")}, {2, entrant("B")}, {6, entrant("C")}});
    layout(8, inputs(true, 15));
    EXPECT_NE(item(ItemKeys::Segment, 1, 1), nullptr);
    EXPECT_EQ(item(ItemKeys::Segment, 1, 3), nullptr);
    EXPECT_EQ(item(ItemKeys::Segment, 1, 4), nullptr);
    EXPECT_EQ(item(ItemKeys::Name, 1, 3), nullptr);  // a blank name is removed
    EXPECT_EQ(barsAt(68, 200), 0);                   // no join for lines 3 and 4
    // Line 5 is empty but its partner holds an entrant: the pair stays.
    EXPECT_NE(item(ItemKeys::Segment, 1, 5), nullptr);
    EXPECT_NE(item(ItemKeys::Segment, 2, 9), nullptr);
    EXPECT_EQ(item(ItemKeys::Segment, 2, 10), nullptr);
    EXPECT_NE(item(ItemKeys::Segment, 2, 11), nullptr);
    EXPECT_EQ(item(ItemKeys::Segment, 4, 15), nullptr);
}

TEST_F(BracketLayoutTest, AnOutgoingQualifierStopsTheBracketUntilItsWinnerIsWritten) {
    const std::map<int, TestLine> qualifiers{{13, entrant("", DrawLine::OutgoingQualifier, 1)},
                                             {14, entrant("", DrawLine::OutgoingQualifier, 2)}};
    writeTable(Draw, 8, qualifiers);
    BracketLayout::Inputs in = inputs(false, 15);
    in.qualifiersOut = 2;
    layout(8, in);
    EXPECT_NE(item(ItemKeys::Segment, 3, 13), nullptr);
    EXPECT_EQ(item(ItemKeys::Segment, 4, 15), nullptr);
    EXPECT_EQ(barsAt(118 + 50, 200), 0);  // lines 13 and 14 are not joined
    EXPECT_EQ(item(ItemKeys::OutgoingQualifier, 3, 13)->text, QStringLiteral("Q1"));
    EXPECT_EQ(item(ItemKeys::Name, 3, 13)->textColor, BracketColors::Green);

    page_.clear();
    in.settings.EndBranches = true;
    layout(8, in);
    EXPECT_NE(item(ItemKeys::Segment, 4, 15), nullptr);
    EXPECT_EQ(barsAt(118 + 50, 200), 1);

    std::map<int, TestLine> decided = qualifiers;
    decided[15] = entrant("Durand", 4);
    writeTable(Draw, 8, decided);
    page_.clear();
    in.settings.EndBranches = false;
    layout(8, in);
    EXPECT_EQ(barsAt(118 + 50, 200), 1);
    EXPECT_EQ(item(ItemKeys::Segment, 4, 15)->penColor, BracketColors::Page);
}

TEST_F(BracketLayoutTest, SeedNumbersStandAboveTheOddLineAndBelowTheEvenOne) {
    writeTable(Draw, 8,
               {{3, entrant("15/1", DrawLine::Seed, 1)}, {4, entrant("15/2", DrawLine::Seed, 2)}});
    layout(8, inputs(false, 15));
    const PageItem* above = item(ItemKeys::SeedNumber, 1, 3);
    ASSERT_NE(above, nullptr);
    EXPECT_EQ(above->text, QStringLiteral("1"));
    EXPECT_EQ(above->left, 70);
    EXPECT_EQ(above->top, 180 - 20);
    EXPECT_EQ(item(ItemKeys::SeedCircle, 1, 3)->top, 160);
    EXPECT_EQ(item(ItemKeys::SeedCircle, 1, 3)->left, 72);
    EXPECT_EQ(item(ItemKeys::SeedCircle, 1, 3)->width, 15);
    EXPECT_EQ(item(ItemKeys::SeedNumber, 1, 4)->top, 260 + 2);
    EXPECT_EQ(item(ItemKeys::SeedCircle, 1, 4)->top, 262);
    const PageItem* name = item(ItemKeys::Name, 1, 3);
    EXPECT_EQ(name->textColor, BracketColors::Blue);
    EXPECT_TRUE(name->font.bold);
}

TEST_F(BracketLayoutTest, NameLabelsCarryTheNameTheLineNumberAndTheLookOfTheirCode) {
    TestLine placed = entrant("Dupont");
    placed.prenom = QStringLiteral("Jean");
    placed.classement = QStringLiteral("15/2");
    TestLine host = entrant("Martin", 4);
    host.information = 1;
    writeTable(Draw, 8,
               {{1, placed},
                {2, host},
                {5, entrant("", DrawLine::IncomingQualifier, 2)},
                {6, entrant("", DrawLine::IncomingQualifier)}});
    layout(8, inputs(false, 15));
    const PageItem* name = item(ItemKeys::Name, 1, 1);
    EXPECT_EQ(name->text, QStringLiteral("Dupont Jean"));
    EXPECT_EQ(name->tag, 1);
    EXPECT_EQ(name->font, (PageFont{QStringLiteral("Times New Roman"), 7, false, false, false}));
    EXPECT_EQ(item(ItemKeys::Segment, 1, 1)->tag, 0);  // no line may be dropped on a player
    EXPECT_EQ(item(ItemKeys::Segment, 1, 7)->tag, 7);
    EXPECT_EQ(item(ItemKeys::Name, 1, 7)->tag, 7);
    const PageItem* ranking = item(ItemKeys::Ranking, 1, 1);
    EXPECT_EQ(ranking->text, QStringLiteral("15/2"));
    EXPECT_EQ(ranking->left + ranking->width, 20 + 50 - 20);
    EXPECT_EQ(ranking->top, 22);
    EXPECT_TRUE(ranking->font.bold);
    EXPECT_EQ(ranking->font.pointSize, 5);
    EXPECT_EQ(item(ItemKeys::Name, 1, 2)->textColor, BracketColors::Green);
    EXPECT_TRUE(item(ItemKeys::Name, 1, 2)->font.bold);  // marked for emphasis
    const PageItem* numbered = item(ItemKeys::IncomingQualifier, 1, 5);
    EXPECT_EQ(numbered->text, QStringLiteral("q2"));
    EXPECT_EQ(numbered->left, 23);
    EXPECT_EQ(numbered->top, 340 - 5);
    EXPECT_EQ(numbered->background, BracketColors::Page);
    EXPECT_EQ(item(ItemKeys::IncomingQualifier, 1, 6)->text, QStringLiteral("q"));
    EXPECT_EQ(item(ItemKeys::Ranking, 1, 5), nullptr);
}

TEST_F(BracketLayoutTest, WithEntrantNamesOnlyTheOtherLinesShowNoName) {
    writeTable(Draw, 8, {{1, entrant("Dupont")}, {9, entrant("Martin", 4)}});
    BracketLayout::Inputs in = inputs(false, 15);
    in.entrantNamesOnly = true;
    layout(8, in);
    EXPECT_EQ(item(ItemKeys::Name, 1, 1)->text, QStringLiteral("Dupont "));
    EXPECT_EQ(item(ItemKeys::Name, 2, 9)->text, QString());
    EXPECT_EQ(item(ItemKeys::Name, 2, 9)->tag, 9);
}

TEST_F(BracketLayoutTest, ThreeOutgoingQualifiersShowOnlyTheLinesLeadingToThem) {
    EXPECT_EQ(BracketLayout::ShownLines(16, 3), 12);
    EXPECT_EQ(BracketLayout::ShownLines(12, 3), 12);
    EXPECT_EQ(BracketLayout::ShownLines(16, 4), 16);
    EXPECT_EQ(BracketLayout::ShownLines(8, 20), 8);
    writeTable(Draw, 16, {});
    BracketLayout::Inputs in = inputs(false, 31);
    in.qualifiersOut = 3;
    layout(16, in);
    EXPECT_NE(item(ItemKeys::Name, 1, 12), nullptr);
    EXPECT_EQ(item(ItemKeys::Name, 1, 13), nullptr);
    // Spread over the height of 16 lines: 40 × 16 / 12, truncated.
    EXPECT_EQ(lineY(1, 2) - lineY(1, 1), 53);
}

TEST_F(BracketLayoutTest, LinesPastTheEndOfAShortTableAreDrawnEmpty) {
    writeTable(Draw, 8, {{10, entrant("Dupont")}}, 10);
    layout(8, inputs(false, 15));
    EXPECT_EQ(item(ItemKeys::Name, 2, 10)->text, QStringLiteral("Dupont "));
    ASSERT_NE(item(ItemKeys::Name, 2, 11), nullptr);
    EXPECT_EQ(item(ItemKeys::Name, 2, 11)->text, QString());
    EXPECT_NE(item(ItemKeys::Name, 4, 15), nullptr);
    EXPECT_EQ(page_.names(ItemKeys::Name).size(), 15);
}
