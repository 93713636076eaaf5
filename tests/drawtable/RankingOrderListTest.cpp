#include "core/RankingLadder.h"
#include "drawtable/RankingOrderList.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(RankingOrderList, TheShippedFileIsTheLadderWeakestFirst) {
    const QString path = QStringLiteral(ORVANEL_SOURCE_DATA "/ZECLASS.TXT");
    const std::optional<RankingOrderList> list = RankingOrderList::Load(path);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->entries(), RankingLadder::Entries());
    EXPECT_EQ(list->order(QStringLiteral("NC")), 0);
    EXPECT_EQ(list->order(QStringLiteral("N°1")), 122);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("NC\r\n40\r\n30/5\r\n"));
    EXPECT_TRUE(
        bytes.endsWith("N\xB0"
                       "2\r\nN\xB0"
                       "1\r\n"));  // Windows-1252, CR LF
}

TEST(RankingOrderList, ReadsLineFeedsAloneAndIgnoresBlanksAroundTexts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZECLASS.TXT"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NC\n40 \n30/5");
    file.close();
    const std::optional<RankingOrderList> list = RankingOrderList::Load(path);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->order(QStringLiteral("40")), 1);
    EXPECT_EQ(list->order(QStringLiteral("NC  ")), 0);
    EXPECT_EQ(list->order(QStringLiteral("30/5")), 2);
    EXPECT_EQ(list->order(QStringLiteral("15")), -1);
}

TEST(RankingOrderList, AMissingFileGivesNoList) {
    QTemporaryDir dir;
    EXPECT_FALSE(RankingOrderList::Load(dir.filePath(QStringLiteral("ZECLASS.TXT"))).has_value());
}
