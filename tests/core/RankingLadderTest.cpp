#include "core/RankingLadder.h"

#include <gtest/gtest.h>

TEST(RankingLadder, HoldsTheLevelsFromWeakestToBest) {
    const QStringList& entries = RankingLadder::Entries();
    ASSERT_EQ(entries.size(), 123);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("NC")), 0);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("-15")), 22);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("N°100")), 23);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("N°60")), 63);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("N°1")), 122);
    for (const QString& entry : entries) {
        EXPECT_LE(entry.size(), RankingLadder::NameWidth) << entry.toStdString();
    }
    QStringList unique = entries;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(RankingLadder, ComparesTextsExactly) {
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("30/6")), -1);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("NC  ")), -1);
    EXPECT_EQ(RankingLadder::LadderIndex(QStringLiteral("nc")), -1);
    EXPECT_EQ(RankingLadder::LadderIndex(QString()), -1);
    EXPECT_EQ(RankingLadder::Entry(123), QString());
    EXPECT_EQ(RankingLadder::Entry(-1), QString());
}

TEST(RankingLadder, ListsARangeBestFirst) {
    EXPECT_EQ(RankingLadder::LadderRange(0, 2),
              (QStringList{QStringLiteral("30/5"), QStringLiteral("40"), QStringLiteral("NC")}));
    EXPECT_EQ(RankingLadder::LadderRange(5, 5), QStringList{QStringLiteral("30/2")});
    EXPECT_TRUE(RankingLadder::LadderRange(3, 2).isEmpty());
    EXPECT_EQ(RankingLadder::LadderRange(0, 122).size(), 123);
}

TEST(RankingLadder, PowerOfTwoTest) {
    EXPECT_TRUE(RankingLadder::Multiple2(1));
    EXPECT_TRUE(RankingLadder::Multiple2(2));
    EXPECT_TRUE(RankingLadder::Multiple2(1024));
    EXPECT_TRUE(RankingLadder::Multiple2(1 << 30));
    EXPECT_FALSE(RankingLadder::Multiple2(0));
    EXPECT_FALSE(RankingLadder::Multiple2(3));
    EXPECT_FALSE(RankingLadder::Multiple2(12));
    EXPECT_FALSE(RankingLadder::Multiple2(-4));
    EXPECT_FALSE(RankingLadder::Multiple2(2147483647));
}

TEST(RankingLadder, NextPowerOfTwoDoublesFromItsStart) {
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(1, 20), 32);
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(3, 20), 24);
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(4, 4), 4);
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(8, 5), 8);
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(1, 1), 1);
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(1, 0), 1);
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(1, 1025), 2048);
    // A start that could never grow is read as 1 instead of looping for ever.
    EXPECT_EQ(RankingLadder::NextPowerOfTwo(0, 5), 8);
}

TEST(RankingLadder, NamesTheLastRounds) {
    EXPECT_EQ(RankingLadder::RoundName(0), QStringLiteral("Tableau final"));
    EXPECT_EQ(RankingLadder::RoundName(1), QStringLiteral("finale"));
    EXPECT_EQ(RankingLadder::RoundName(2), QStringLiteral("1/2 finale"));
    EXPECT_EQ(RankingLadder::RoundName(32), QStringLiteral("1/32 finale"));
    EXPECT_TRUE(RankingLadder::RoundName(3).isEmpty());
    EXPECT_TRUE(RankingLadder::RoundName(64).isEmpty());
    const QStringList& items = RankingLadder::LastRoundItems();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items.first(), QStringLiteral("Finale"));
    EXPECT_EQ(items.last(), QStringLiteral("1/32 finale"));
}

TEST(RankingLadder, OffersTheDrawSizesAfterAnEmptyChoice) {
    const QStringList& sizes = RankingLadder::DrawSizes();
    ASSERT_EQ(sizes.size(), 11);
    EXPECT_TRUE(sizes.first().isEmpty());
    EXPECT_EQ(sizes.at(1), QStringLiteral("2"));
    EXPECT_EQ(sizes.last(), QStringLiteral("1024"));
}

TEST(RankingLadder, HalvingTruncatesTowardZero) {
    EXPECT_EQ(RankingLadder::Halve(7), 3);
    EXPECT_EQ(RankingLadder::Halve(-1), 0);
    EXPECT_EQ(RankingLadder::Halve(-7), -3);
}
