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

// A list the skeleton cannot use is told with its reason, and the skeleton goes on
// without it as without a file.
TEST(RankingOrderList, AFileThatIsNoListGivesNoListAndItsWarning) {
    QTemporaryDir dir;
    const auto write = [&dir](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    };
    const QString binary = write("binaire.txt", QByteArray("NC\r\n\x00\x01\x02\x03", 8));
    const QString empty = write("vide.txt", "");
    const QString blank = write("blanc.txt", "\r\n  \r\n");
    const QList<std::pair<QString, QString>> cases{
        {dir.filePath(QStringLiteral("absent.txt")),
         QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé.")},
        {dir.path(), QStringLiteral("Impossible de lire le fichier paramètres ZECLASS.txt "
                                    "\"%1\" : c'est un dossier, pas un fichier.")
                         .arg(dir.path())},
        {binary, QStringLiteral("Le fichier paramètres ZECLASS.txt \"%1\" est inutilisable : la "
                                "ligne 2 contient des caractères qu'un fichier texte ne "
                                "contient pas.")
                     .arg(binary)},
        {empty, QStringLiteral("Le fichier paramètres ZECLASS.txt \"%1\" est inutilisable : il "
                               "ne contient aucun classement.")
                    .arg(empty)},
        {blank, QStringLiteral("Le fichier paramètres ZECLASS.txt \"%1\" est inutilisable : il "
                               "ne contient aucun classement.")
                    .arg(blank)},
    };
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path.toStdString());
        QString warning;
        EXPECT_FALSE(RankingOrderList::Load(path, &warning).has_value());
        EXPECT_EQ(warning, expected);
    }
}
