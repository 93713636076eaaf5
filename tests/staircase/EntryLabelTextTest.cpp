#include "staircase/EntryLabelText.h"
#include "staircase/EntryNames.h"

#include <gtest/gtest.h>

TEST(EntryLabelText, WritesTheTextsTheNumbersAreReadBackFrom) {
    struct Case {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {EntryLabelText::pool(0, 4, QStringLiteral("30/5")), QStringLiteral(" 0 de  4   (30/5)")},
        {EntryLabelText::pool(12, 40, QStringLiteral("NC  ")), QStringLiteral("12 de 40   (NC)")},
        {EntryLabelText::line(3, QStringLiteral("(30/5)")), QStringLiteral(" 3 (30/5)")},
        {EntryLabelText::header(1, 4), QStringLiteral("4")},
        {EntryLabelText::header(2, 4), QStringLiteral(" 4")},
        {EntryLabelText::footer(1, -1), QStringLiteral(" 1     -1 compression(s)")},
        {EntryLabelText::footer(-3, std::nullopt), QStringLiteral("-3")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text, c.expected);
    }
}

TEST(EntryLabelText, ReadsTheFirstNumberTheTotalAndTheRanking) {
    const QString pool = QStringLiteral(" 2 de 14   (N°1)");
    EXPECT_EQ(EntryLabelText::first(pool), 2);
    EXPECT_EQ(EntryLabelText::total(pool), 14);
    EXPECT_EQ(EntryLabelText::ranking(pool), QStringLiteral("(N°1)"));
    EXPECT_EQ(EntryLabelText::rankingName(pool), QStringLiteral("N°1"));
    EXPECT_EQ(EntryLabelText::first(QStringLiteral("-9 (q)")), -9);
    EXPECT_EQ(EntryLabelText::first(QStringLiteral("4")), 4);
    // A header has neither a total nor a ranking.
    EXPECT_EQ(EntryLabelText::total(QStringLiteral(" 8")), std::nullopt);
    EXPECT_EQ(EntryLabelText::ranking(QStringLiteral(" 8")), QString());
    EXPECT_EQ(EntryLabelText::first(QStringLiteral("ab")), std::nullopt);
    // An empty ranking stands in no text, which a header's drag relies on.
    EXPECT_FALSE(EntryLabelText::holds(QStringLiteral(" 1 (A)"), QString()));
    EXPECT_FALSE(EntryLabelText::holds(QStringLiteral(" 1 (15/1)"), QStringLiteral("(15)")));
}

TEST(EntryNames, NamesSayWhereTheLabelsStand) {
    EXPECT_EQ(EntryNames::IntToStrZERO(1, 2), QStringLiteral("01"));
    EXPECT_EQ(EntryNames::IntToStrZERO(24, 2), QStringLiteral("24"));
    EXPECT_EQ(EntryNames::header(3), QStringLiteral("Escalier03_00"));
    EXPECT_EQ(EntryNames::line(2, 7), QStringLiteral("LigneEscal02_07"));
    EXPECT_EQ(EntryNames::footer(1), QStringLiteral("FinEscalier01_00"));
    EXPECT_EQ(EntryNames::headerTour(QStringLiteral("Escalier03_00")), 3);
    EXPECT_EQ(EntryNames::lineRow(QStringLiteral("LigneEscal02_07")), 7);
    EXPECT_TRUE(EntryNames::isActive(QStringLiteral("Effectif13")));
    EXPECT_FALSE(EntryNames::isActive(QStringLiteral("FinEscalier01_00")));
    EXPECT_FALSE(EntryNames::isActive(QStringLiteral("TraitEscalier01_00")));
}
