#include "drawtable/LineAddressing.h"

#include <gtest/gtest.h>

TEST(LineAddressing, NumbersTheRoundsOfADrawOfEight) {
    const LineAddressing lines(8);
    EXPECT_EQ(lines.LineNumber(1, 1), 1);
    EXPECT_EQ(lines.LineNumber(1, 8), 8);
    EXPECT_EQ(lines.LineNumber(2, 1), 9);
    EXPECT_EQ(lines.LineNumber(2, 4), 12);
    EXPECT_EQ(lines.LineNumber(3, 2), 14);
    EXPECT_EQ(lines.LineNumber(4, 1), 15);
    EXPECT_EQ(lines.RoundOfLine(11), 2);
    EXPECT_EQ(lines.IndexInRound(11), 3);
    EXPECT_EQ(lines.FeederLines(11).first, 5);
    EXPECT_EQ(lines.FeederLines(11).second, 6);
    EXPECT_EQ(lines.WinnerLine(5), 11);
    EXPECT_EQ(lines.WinnerLine(6), 11);
    EXPECT_EQ(lines.WinnerLine(13), 15);
}

TEST(LineAddressing, TheSmallestAndTheLargestDraw) {
    const LineAddressing two(2);
    EXPECT_EQ(two.LineCount(), 3);
    EXPECT_EQ(two.FeederLines(3).first, 1);
    EXPECT_EQ(two.FeederLines(3).second, 2);
    EXPECT_EQ(two.WinnerLine(1), 3);
    EXPECT_EQ(two.WinnerLine(2), 3);
    EXPECT_EQ(two.RoundOfLine(3), 2);

    const LineAddressing largest(1024);
    EXPECT_EQ(largest.LineCount(), 2047);
    EXPECT_EQ(largest.RoundCount(), 11);
    EXPECT_EQ(largest.RoundOfLine(2047), 11);
    EXPECT_EQ(largest.LineNumber(11, 1), 2047);
}

TEST(LineAddressing, FeedersAndWinnersAgreeInEveryRound) {
    for (int dimension = 2; dimension <= 1024; dimension *= 2) {
        const LineAddressing lines(dimension);
        for (int line = dimension + 1; line <= lines.LineCount(); ++line) {
            const LineAddressing::Feeders feeders = lines.FeederLines(line);
            ASSERT_EQ(lines.WinnerLine(feeders.first), line);
            ASSERT_EQ(lines.WinnerLine(feeders.second), line);
            ASSERT_EQ(lines.RoundOfLine(feeders.first) + 1, lines.RoundOfLine(line));
            ASSERT_EQ(lines.IndexInRound(feeders.second), 2 * lines.IndexInRound(line));
        }
    }
}

TEST(LineAddressing, ASectionDrawHalvesItsRoundsWithTruncation) {
    const LineAddressing lines(12);
    EXPECT_EQ(lines.LineCount(), 23);
    EXPECT_EQ(lines.RoundCount(), 4);  // 12, 6, 3, 1
    EXPECT_EQ(lines.LineNumber(3, 1), 19);
    EXPECT_EQ(lines.LineNumber(3, 3), 21);
    EXPECT_EQ(lines.RoundOfLine(21), 3);
    EXPECT_EQ(lines.RoundOfLine(22), 4);
    EXPECT_EQ(lines.FeederLines(19).first, 13);
    EXPECT_EQ(lines.FeederLines(21).second, 18);
    // The table's last line lies past the last round.
    EXPECT_EQ(lines.RoundOfLine(23), 0);
    EXPECT_EQ(lines.IndexInRound(23), 0);
    EXPECT_EQ(lines.RoundOfLine(0), 0);
}
