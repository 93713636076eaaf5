#include "drawtable/ColumnOrder.h"

#include <QList>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

QList<int> column(int t) {
    QList<int> lines;
    for (int p = 1; p <= t; ++p) {
        lines.append(ColumnOrder::CherchePositionTS(p, t));
    }
    return lines;
}

}  // namespace

TEST(ColumnOrder, GivesTheKnownOrderOfSmallColumns) {
    EXPECT_EQ(column(2), (QList<int>{2, 1}));
    EXPECT_EQ(column(4), (QList<int>{4, 1, 2, 3}));
    EXPECT_EQ(column(8), (QList<int>{8, 1, 3, 6, 5, 4, 2, 7}));
    EXPECT_EQ(column(16), (QList<int>{16, 1, 5, 12, 10, 7, 3, 14, 13, 4, 8, 9, 11, 6, 2, 15}));
}

TEST(ColumnOrder, GivesEveryLineOnceAndMirrorsPositionsIntoOneMatch) {
    for (int t = 2; t <= 1024; t *= 2) {
        QList<int> lines = column(t);
        for (int q = 1; q <= t; ++q) {
            const int a = lines[q - 1];
            const int b = lines[t - q];
            ASSERT_EQ((a + 1) / 2, (b + 1) / 2) << "t " << t << " position " << q;
        }
        std::sort(lines.begin(), lines.end());
        for (int line = 1; line <= t; ++line) {
            ASSERT_EQ(lines[line - 1], line);
        }
    }
}

TEST(ColumnOrder, HasNoLineForAPositionOutsideTheColumn) {
    EXPECT_EQ(ColumnOrder::CherchePositionTS(9, 8), 0);
    EXPECT_EQ(ColumnOrder::CherchePositionTS(0, 8), 0);
    EXPECT_EQ(ColumnOrder::CherchePositionTS(1, 1), 1);
}
