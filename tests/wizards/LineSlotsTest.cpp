#include "wizards/LineSlots.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

QList<int> slotsOf(const LineSlots& order, int round, int count) {
    QList<int> lines;
    for (int k = 1; k <= count; ++k) {
        lines.append(order.PositionOf(k, round));
    }
    return lines;
}

}  // namespace

TEST(LineSlots, AnOrdinaryDrawFillsItsRoundsInColumnOrder) {
    const LineSlots eight(8, 8, 1);
    EXPECT_FALSE(eight.section());
    EXPECT_EQ(slotsOf(eight, 1, 8), (QList<int>{8, 1, 3, 6, 5, 4, 2, 7}));
    EXPECT_EQ(slotsOf(eight, 2, 4), (QList<int>{12, 9, 10, 11}));
    const LineSlots sixteen(16, 16, 4);
    EXPECT_EQ(slotsOf(sixteen, 1, 16),
              (QList<int>{16, 1, 5, 12, 10, 7, 3, 14, 13, 4, 8, 9, 11, 6, 2, 15}));
    EXPECT_EQ(eight.PositionOf(9, 1), 0);
    EXPECT_EQ(eight.PositionOf(5, 2), 0);
}

TEST(LineSlots, ASectionDrawSpreadsItsSlotsOverTheSections) {
    EXPECT_EQ(LineSlots::QualifierRound(3, 16), 3);
    const LineSlots twelve(12, 16, 3);
    EXPECT_TRUE(twelve.section());
    EXPECT_EQ(slotsOf(twelve, 1, 12), (QList<int>{12, 8, 4, 1, 5, 9, 11, 7, 3, 2, 6, 10}));
    EXPECT_EQ(slotsOf(twelve, 2, 6), (QList<int>{18, 16, 14, 13, 15, 17}));
    // Slots the formula puts past the round are none.
    const LineSlots twentyFour(24, 32, 3);
    EXPECT_EQ(twentyFour.PositionOf(19, 1), 0);
    EXPECT_EQ(twentyFour.PositionOf(1000, 1), 0);
}

TEST(LineSlots, ThePartnerIsTheOtherLineOfTheMatch) {
    const LineSlots eight(8, 8, 1);
    EXPECT_EQ(eight.PartnerLine(5, 1), 6);
    EXPECT_EQ(eight.PartnerLine(8, 1), 7);
    EXPECT_EQ(eight.PartnerLine(9, 2), 10);
    EXPECT_EQ(eight.PartnerLine(12, 2), 11);
    const LineSlots twelve(12, 16, 3);
    for (const int line : {12, 8, 4, 1, 5, 9}) {
        EXPECT_EQ(twelve.PartnerLine(line, 1), line % 2 == 0 ? line - 1 : line + 1) << line;
    }
    EXPECT_EQ(twelve.PartnerLine(18, 2), 17);
    EXPECT_EQ(twelve.PartnerLine(13, 2), 14);
    // Lines 2 and 3 never meet.
    EXPECT_EQ(twelve.PartnerLine(3, 1), 4);
    EXPECT_EQ(twelve.PartnerLine(2, 1), 1);
}
