#include "TableTestSupport.h"

#include "common/SmallDisk.h"
#include "drawtable/SqliteErrorText.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <cerrno>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TableEngine : public DrawTableFixture {
protected:
    QString path() const {
        return QDir::toNativeSeparators(dir_.filePath(QStringLiteral("Tmpaaaa.db")));
    }
};

TEST_F(TableEngine, ATableAnotherProgramHoldsIsWaitedForThenTold) {
    numberedTable(7);
    table_.reset();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(dir_.filePath(QStringLiteral("Tmpaaaa.db"))), &other),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(table.Open());
    EXPECT_EQ(table.errorText(),
              QStringLiteral("Impossible de lire la table \"%1\" : un autre programme utilise la "
                             "table, fermez-le puis réessayez. [database is locked]")
                  .arg(path()));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(table.Open());
}

// Page 3 of a numbered table is its key index: the records can all be read past it, and
// writing would then spread the damage.
TEST_F(TableEngine, AGarbledPageIsFoundWhenTheTableIsOpened) {
    numberedTable(2047);
    table_.reset();
    const QString file = dir_.filePath(QStringLiteral("Tmpaaaa.db"));
    QByteArray bytes = contents(file);
    ASSERT_GT(bytes.size(), 4 * 4096);
    for (int at = 2 * 4096; at < 2 * 4096 + 16; ++at) {
        bytes[at] = static_cast<char>(0x5a ^ at);
    }
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    RecordTable table(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(table.Open());
    EXPECT_TRUE(table.errorText().contains(QStringLiteral("est endommagé")))
        << table.errorText().toStdString();
    EXPECT_EQ(contents(file), bytes);
}

TEST(SqliteErrorText, TheCommonFailuresHaveTheirFrenchReason) {
    const QString full = QStringLiteral("le disque est peut-être plein");
    const QString busy =
        QStringLiteral("un autre programme utilise la table, fermez-le puis réessayez");
    const QString readOnly = QStringLiteral("le fichier ou son dossier est en lecture seule");
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_FULL, 0), full);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_IOERR_WRITE, ENOSPC), full);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_IOERR_FSYNC, EDQUOT), full);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_BUSY, 0), busy);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_BUSY_SNAPSHOT, 0), busy);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_LOCKED, 0), busy);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_READONLY, 0), readOnly);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_READONLY_DIRECTORY, 0), readOnly);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_CANTOPEN, EROFS), readOnly);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_CANTOPEN, EACCES), readOnly);
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_CANTOPEN, ENOENT),
              QStringLiteral("le fichier ou son dossier est introuvable"));
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_NOTADB, 0),
              QStringLiteral("le fichier n'est pas une table"));
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_CORRUPT, 0),
              QStringLiteral("le fichier est endommagé"));
    // A system error left over from an earlier call does not make a lock a full disk.
    EXPECT_EQ(SqliteErrorText::reason(SQLITE_BUSY, ENOSPC), busy);
    EXPECT_EQ(SqliteErrorText::describe(QStringLiteral("Impossible d'écrire dans la table \"T\""),
                                        SQLITE_FULL, 0, QStringLiteral("database or disk is full")),
              QStringLiteral("Impossible d'écrire dans la table \"T\" : le disque est peut-être "
                             "plein. [database or disk is full]"));
}

// A real read-only file system, as a locked memory card: the table is read, and the write
// is refused with its reason.
TEST(TableOnARealDisk, AReadOnlyFolderIsToldAsSuch) {
    SmallDisk small(256);
    if (!small.mounted()) {
        GTEST_SKIP() << "no right to mount a small file system here";
    }
    {
        RecordTable table(TableLayout::DrawLine(), small.path(), QStringLiteral("Tmpaaaa.db"));
        ASSERT_TRUE(table.Open());
        ASSERT_TRUE(DrawLines::FillNumbered(table, 7));
    }
    ASSERT_TRUE(small.makeReadOnly());
    RecordTable table(TableLayout::DrawLine(), small.path(), QStringLiteral("Tmpaaaa.db"));
    ASSERT_TRUE(table.Open()) << table.errorText().toStdString();
    EXPECT_EQ(table.RecordCount(), 7);
    table.setText(DrawLine::Nom, QStringLiteral("nouveau"));
    EXPECT_FALSE(table.Post());
    EXPECT_TRUE(table.errorText().startsWith(
        QStringLiteral("Impossible d'écrire dans la table \"%1\" : le fichier ou son dossier est "
                       "en lecture seule. [")
            .arg(QDir::toNativeSeparators(small.path() + QStringLiteral("/Tmpaaaa.db")))))
        << table.errorText().toStdString();
}
