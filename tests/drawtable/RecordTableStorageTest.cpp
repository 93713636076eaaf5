#include "TableTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString refusal(const QString& path, const QString& why) {
    return QStringLiteral(
               "Le fichier \"%1\" %2.\nIl n'a pas été modifié ; déplacez-le ou "
               "supprimez-le pour que la table soit recréée.")
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

using RecordTableStorage = DrawTableFixture;

TEST_F(RecordTableStorage, AMissingFileIsCreatedUnderTheTablesOwnName) {
    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa2.db"));
    ASSERT_TRUE(table.Open());
    EXPECT_TRUE(QFileInfo::exists(dir_.filePath(QStringLiteral("Tmpaaaa2.db"))));
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(RecordTableStorage, ReopeningGivesBackEveryLineAsWritten) {
    {
        RecordTable& table = numberedTable(2047);
        RecordTable::Batch batch(table);
        for (table.First(); !table.Eof(); table.Next()) {
            const int line = table.integer(DrawLine::FicheNumero);
            table.setInteger(DrawLine::Position, line % 4);
            table.setText(DrawLine::Nom, QStringLiteral("N°%1  ").arg(line % 100));
        }
        ASSERT_TRUE(batch.commit()) << table.errorText().toStdString();
        table_.reset();  // closed and destroyed, as when the program ends
    }
    RecordTable again(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    ASSERT_TRUE(again.Open());
    ASSERT_EQ(again.RecordCount(), 2047);
    int expected = 1;
    for (again.First(); !again.Eof(); again.Next(), ++expected) {
        ASSERT_EQ(again.integer(DrawLine::FicheNumero), expected);
        EXPECT_EQ(again.integer(DrawLine::Position), expected % 4);
        EXPECT_EQ(again.text(DrawLine::Nom), QStringLiteral("N°%1").arg(expected % 100));
    }
}

TEST_F(RecordTableStorage, EmptyWorksOnAClosedTable) {
    numberedTable(7).Close();
    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    ASSERT_TRUE(table.Empty());
    ASSERT_TRUE(table.Open());
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(RecordTableStorage, AnEmptyLocationIsTheCurrentDirectory) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(location()));
    {
        RecordTable table(TableLayout::Roster(), QString(), QStringLiteral("TmpaaaJ2.db"));
        EXPECT_TRUE(table.Open());
    }
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFileInfo::exists(dir_.filePath(QStringLiteral("TmpaaaJ2.db"))));
}

TEST_F(RecordTableStorage, AFileThatIsNoTableIsRefusedAndLeftAsItWas) {
    const QString path = dir_.filePath(QStringLiteral("Tmpaaaa.db"));
    const QByteArray bytes("Ceci n'est pas une table, mais un texte de 64 octets au moins !!");
    writeFile(path, bytes);
    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(table.Open());
    EXPECT_EQ(table.errorText(),
              refusal(path, QStringLiteral("est endommagé ou n'est pas une table")));
    EXPECT_FALSE(table.Empty());
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_EQ(contents(path), bytes);
}

TEST_F(RecordTableStorage, ATableOfAnotherLayoutIsRefusedAndLeftAsItWas) {
    const QString path = dir_.filePath(QStringLiteral("Tmpaaaa.db"));
    {
        RecordTable roster(TableLayout::Roster(), location(), QStringLiteral("Tmpaaaa.db"));
        ASSERT_TRUE(roster.Open());
        roster.Append();
        roster.setText(QStringLiteral("Nom"), QStringLiteral("NC"));
        ASSERT_TRUE(roster.Post());
    }
    const QByteArray before = contents(path);
    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(table.Open());
    EXPECT_EQ(table.errorText(), refusal(path, QStringLiteral("contient une autre table")));
    EXPECT_EQ(contents(path), before);
}

TEST_F(RecordTableStorage, ATableOfTheSameNameWithOtherFieldsIsRefused) {
    const QString path = dir_.filePath(QStringLiteral("TMVERIFI.DB"));
    TableLayout older = TableLayout::RuleFinding();
    older.fields.removeLast();
    {
        RecordTable table(older, location(), QStringLiteral("TMVERIFI.DB"));
        ASSERT_TRUE(table.Open());
    }
    RecordTable table(TableLayout::RuleFinding(), location(), QStringLiteral("TMVERIFI.DB"));
    EXPECT_FALSE(table.Open());
    EXPECT_EQ(table.errorText(),
              refusal(path, QStringLiteral("contient une table d'une autre forme")));
}

TEST_F(RecordTableStorage, ATruncatedTableIsReportedNotRead) {
    const QString path = dir_.filePath(QStringLiteral("Tmpaaaa.db"));
    numberedTable(2047);
    table_.reset();
    QByteArray bytes = contents(path);
    ASSERT_GT(bytes.size(), 8192);
    bytes.truncate(bytes.size() / 2);
    writeFile(path, bytes);

    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(table.Open());
    EXPECT_TRUE(table.errorText().contains(QStringLiteral("endommagé")))
        << table.errorText().toStdString();
    EXPECT_EQ(contents(path), bytes);
}

TEST_F(RecordTableStorage, AFolderThatDoesNotExistIsReported) {
    RecordTable table(TableLayout::DrawLine(), dir_.filePath(QStringLiteral("absent")),
                      QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(table.Open());
    EXPECT_TRUE(table.errorText().startsWith(QStringLiteral("Impossible d'ouvrir la table \"")))
        << table.errorText().toStdString();
}

// The host's tables order their text keys by Windows-1252 bytes: "Œ" (0x8C) before "°"
// (0xB0), though its character code is the higher one.
TEST_F(RecordTableStorage, TextKeysAreOrderedByTheirWindows1252Bytes) {
    RecordTable table(TableLayout::RuleFinding(), location(), QStringLiteral("TMVERIFI.DB"));
    ASSERT_TRUE(table.Open());
    for (const QString& type : {QStringLiteral("q01"), QStringLiteral("N°10"), QStringLiteral("NŒ"),
                                QStringLiteral("QE"), QStringLiteral("NC")}) {
        table.Insert();
        table.setText(QStringLiteral("Type"), type);
        ASSERT_TRUE(table.Post());
    }
    table.Close();
    ASSERT_TRUE(table.Open());
    QStringList types;
    for (table.First(); !table.Eof(); table.Next()) {
        types.append(table.text(QStringLiteral("Type")));
    }
    EXPECT_EQ(types,
              (QStringList{QStringLiteral("NC"), QStringLiteral("NŒ"), QStringLiteral("N°10"),
                           QStringLiteral("QE"), QStringLiteral("q01")}));
    EXPECT_TRUE(table.FindKey({QStringLiteral("N°10")}));
}
