#include "TableTestSupport.h"

#include "common/FailingDisk.h"

#include <QDir>
#include <QFile>

namespace {

const QString FullDisk = QStringLiteral(
    " : le disque est peut-être plein. [database or disk is full]\n"
    "La table garde son contenu précédent.");

QStringList names(RecordTable& table) {
    QStringList all;
    for (table.First(); !table.Eof(); table.Next()) {
        all.append(table.text(DrawLine::Nom));
    }
    return all;
}

}  // namespace

// A table of seven named lines, the earlier draw that a failed write must leave whole.
class TableFailure : public DrawTableFixture {
protected:
    RecordTable& earlierDraw() {
        RecordTable& table = numberedTable(7);
        RecordTable::Batch batch(table);
        for (table.First(); !table.Eof(); table.Next()) {
            table.setText(DrawLine::Nom, QStringLiteral("ancien"));
        }
        EXPECT_TRUE(batch.commit());
        return table;
    }

    QStringList onFile() {
        RecordTable again(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
        EXPECT_TRUE(again.Open()) << again.errorText().toStdString();
        return names(again);
    }

    QString path() const {
        return QDir::toNativeSeparators(dir_.filePath(QStringLiteral("Tmpaaaa.db")));
    }

    const QStringList earlier = QStringList(7, QStringLiteral("ancien"));
};

// The engine writes the table file itself only when the batch is committed.
TEST_F(TableFailure, ACommitThatFailsIsToldAndTheTableKeepsItsContent) {
    FailingDisk disk;
    RecordTable& table = earlierDraw();
    disk.fillAfter(0, FailingDisk::Files::Tables);
    EXPECT_FALSE(DrawLines::FillNumbered(table, 2047));
    EXPECT_GT(disk.refusedWrites(), 0);
    EXPECT_EQ(
        table.errorText(),
        QStringLiteral("Impossible d'enregistrer les changements de la table \"%1\"").arg(path()) +
            FullDisk);
    EXPECT_EQ(names(table), earlier);  // memory shows what the file holds
    disk.makeRoom();
    EXPECT_EQ(onFile(), earlier);
}

// After a failed write the engine may already have undone the transaction; a write let
// through then would be kept on its own. Every later write of the batch is refused,
// even once the disk has room again.
TEST_F(TableFailure, AWriteThatFailsRefusesTheRestOfTheBatch) {
    FailingDisk disk;
    RecordTable& table = earlierDraw();
    disk.fillAfter(0, FailingDisk::Files::Journals);
    RecordTable::Batch batch(table);
    table.First();
    table.setText(DrawLine::Nom, QStringLiteral("nouveau"));
    EXPECT_FALSE(table.Post());
    EXPECT_EQ(table.errorText(),
              QStringLiteral("Impossible d'écrire dans la table \"%1\"").arg(path()) + FullDisk);
    disk.makeRoom();
    table.Next();
    table.setText(DrawLine::Nom, QStringLiteral("nouveau"));
    EXPECT_FALSE(table.Post());
    table.Insert();
    table.setInteger(DrawLine::FicheNumero, 8);
    EXPECT_FALSE(table.Post());
    EXPECT_FALSE(table.Delete());
    EXPECT_FALSE(table.Empty());
    EXPECT_FALSE(batch.commit());
    EXPECT_TRUE(table.errorText().startsWith(QStringLiteral("Impossible d'écrire")));
    EXPECT_EQ(names(table), earlier);
    EXPECT_EQ(onFile(), earlier);
}

// An abandoned batch keeps nothing, and an inner one abandoned fails the outer one; a
// batch that goes out of scope, or whose table closes, keeps what it wrote.
TEST_F(TableFailure, ABatchKeepsItsWritesUnlessOneFailedOrItIsAbandoned) {
    RecordTable& table = earlierDraw();
    {
        RecordTable::Batch batch(table);
        ASSERT_TRUE(table.Empty());
        batch.abandon();
        EXPECT_FALSE(batch.commit());
    }
    EXPECT_EQ(names(table), earlier);
    {
        RecordTable::Batch outer(table);
        ASSERT_TRUE(table.Empty());
        {
            RecordTable::Batch inner(table);
            inner.abandon();
        }
        EXPECT_FALSE(table.Empty());  // the batch can only be rolled back now
        EXPECT_FALSE(outer.commit());
        EXPECT_TRUE(table.errorText().contains(QStringLiteral("ont été abandonnés")));
    }
    EXPECT_EQ(names(table), earlier);
    EXPECT_EQ(onFile(), earlier);
    {
        RecordTable::Batch outer(table);
        {
            RecordTable::Batch inner(table);
            EXPECT_TRUE(DrawLines::FillNumbered(table, 3));
        }
        EXPECT_TRUE(outer.commit());
    }
    EXPECT_EQ(onFile(), QStringList(3));
    {
        RecordTable::Batch batch(table);
        ASSERT_TRUE(table.Empty());
        table.Close();
    }
    EXPECT_EQ(onFile(), QStringList());
}
