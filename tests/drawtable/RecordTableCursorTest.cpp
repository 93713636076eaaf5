#include "TableTestSupport.h"

#include <QList>

namespace {

QList<int> keysInOrder(RecordTable& table) {
    QList<int> keys;
    for (table.First(); !table.Eof(); table.Next()) {
        keys.append(table.integer(DrawLine::FicheNumero));
    }
    return keys;
}

}  // namespace

using RecordTableCursor = DrawTableFixture;

TEST_F(RecordTableCursor, AnEmptyTableIsAtBothEnds) {
    RecordTable& table = numberedTable(0);
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_TRUE(table.Eof());
    EXPECT_TRUE(table.Bof());
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_FALSE(table.Edit());
    EXPECT_EQ(table.integer(DrawLine::Position), 0);
}

TEST_F(RecordTableCursor, WalksInKeyOrderAndStopsOnTheLastLine) {
    RecordTable& table = numberedTable(0);
    for (int key : {3, 1, 2}) {
        table.Insert();
        table.setInteger(DrawLine::FicheNumero, key);
        ASSERT_TRUE(table.Post());
        EXPECT_EQ(lineNumber(table), key);  // the cursor stays on the posted line
    }
    EXPECT_EQ(keysInOrder(table), (QList<int>{1, 2, 3}));
    EXPECT_EQ(lineNumber(table), 3);

    table.First();
    EXPECT_TRUE(table.Bof());
    table.Prior();
    EXPECT_TRUE(table.Bof());
    EXPECT_EQ(lineNumber(table), 1);
    table.Next();
    EXPECT_FALSE(table.Bof());
    EXPECT_FALSE(table.Eof());
    table.Last();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(lineNumber(table), 3);
}

TEST_F(RecordTableCursor, RecNoIsTheLineNumberOfANumberedTable) {
    RecordTable& table = numberedTable(15);
    table.SetRecNo(11);
    EXPECT_EQ(lineNumber(table), 11);
    EXPECT_EQ(table.RecNo(), 11);
    table.SetRecNo(0);  // outside the table: the cursor does not move
    EXPECT_EQ(table.RecNo(), 11);
}

TEST_F(RecordTableCursor, FindKeyLeavesTheCursorInPlaceWhenNoLineHasTheKey) {
    RecordTable& table = numberedTable(7);
    table.SetRecNo(3);
    EXPECT_FALSE(table.FindKey({99}));
    EXPECT_EQ(lineNumber(table), 3);
    EXPECT_TRUE(table.FindKey({6}));
    EXPECT_EQ(table.RecNo(), 6);
}

TEST_F(RecordTableCursor, PostingANewKeyMovesTheLineAndTheCursorWithIt) {
    RecordTable& table = numberedTable(7);
    table.SetRecNo(2);
    ASSERT_TRUE(table.Edit());
    table.setInteger(DrawLine::FicheNumero, 10);
    table.setText(DrawLine::Nom, QStringLiteral("15/2"));
    ASSERT_TRUE(table.Post());
    EXPECT_EQ(lineNumber(table), 10);
    EXPECT_EQ(table.RecNo(), 7);
    EXPECT_EQ(table.text(DrawLine::Nom), QStringLiteral("15/2"));
    EXPECT_EQ(keysInOrder(table), (QList<int>{1, 3, 4, 5, 6, 7, 10}));
}

TEST_F(RecordTableCursor, ASecondLineWithTheSameKeyIsRefused) {
    RecordTable& table = numberedTable(4);
    table.SetRecNo(1);
    table.setInteger(DrawLine::FicheNumero, 3);
    EXPECT_FALSE(table.Post());
    EXPECT_FALSE(table.errorText().isEmpty());
    table.Cancel();
    EXPECT_EQ(keysInOrder(table), (QList<int>{1, 2, 3, 4}));

    table.Insert();
    table.setInteger(DrawLine::FicheNumero, 2);
    EXPECT_FALSE(table.Post());
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 4);
}

TEST_F(RecordTableCursor, DeleteMovesToTheLineThatFollowed) {
    RecordTable& table = numberedTable(7);
    table.First();
    ASSERT_TRUE(table.Delete());
    EXPECT_EQ(lineNumber(table), 2);
    EXPECT_EQ(table.RecordCount(), 6);

    table.Last();
    ASSERT_TRUE(table.Delete());
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(lineNumber(table), 6);
}

TEST_F(RecordTableCursor, ABookmarkFindsItsLineAfterTheLineMoved) {
    RecordTable& table = numberedTable(5);
    table.SetRecNo(2);
    const RecordTable::Bookmark mark = table.GetBookmark();
    table.setInteger(DrawLine::FicheNumero, 9);
    ASSERT_TRUE(table.Post());
    table.First();
    ASSERT_TRUE(table.GotoBookmark(mark));
    EXPECT_EQ(lineNumber(table), 9);
}

// Fields by name and by position; a cleared field is empty and reads 0 or "", a text of
// blanks is empty too; moving away posts a pending edit.
TEST_F(RecordTableCursor, FieldValuesAndEmptyFields) {
    RecordTable& table = numberedTable(3);
    EXPECT_EQ(table.FieldCount(), 9);
    table.SetRecNo(2);
    table.setText(DrawLine::Nom, QStringLiteral("N°60"));
    table.setValue(1, 2);
    table.setInteger(DrawLine::Numero, 5);
    table.Next();
    table.SetRecNo(2);
    EXPECT_EQ(table.value(3).toString(), QStringLiteral("N°60"));
    EXPECT_EQ(table.integer(DrawLine::Position), 2);
    EXPECT_EQ(table.integer(DrawLine::Numero), 5);

    table.clear(DrawLine::Numero);
    table.setText(DrawLine::Nom, QStringLiteral("   "));
    ASSERT_TRUE(table.Post());
    EXPECT_EQ(table.integer(DrawLine::Numero), 0);
    EXPECT_TRUE(table.isNull(DrawLine::Numero));
    EXPECT_EQ(table.text(DrawLine::Nom), QString());
    EXPECT_TRUE(table.isNull(DrawLine::Nom));
}

TEST_F(RecordTableCursor, TextsLoseTheirTrailingSpacesAndAreFoundWithoutThem) {
    RecordTable rules(TableLayout::RuleFinding(), location(), QStringLiteral("TMVERIFI.DB"));
    ASSERT_TRUE(rules.Open());
    for (const char* type : {"NC  ", "TS", " 15 "}) {
        rules.Append();
        rules.setText(QStringLiteral("Type"), QString::fromLatin1(type));
        rules.setBoolean(QStringLiteral("J1ClassJ2"), true);
        ASSERT_TRUE(rules.Post());
    }
    ASSERT_TRUE(rules.FindKey({QStringLiteral("NC      ")}));
    EXPECT_EQ(rules.text(QStringLiteral("Type")), QStringLiteral("NC"));
    EXPECT_TRUE(rules.boolean(QStringLiteral("J1ClassJ2")));
    // Leading blanks are part of the text.
    EXPECT_TRUE(rules.FindKey({QStringLiteral(" 15")}));
    EXPECT_FALSE(rules.FindKey({QStringLiteral("15")}));
}

TEST_F(RecordTableCursor, RecommendationsAreOrderedByLineThenType) {
    RecordTable recommendations(TableLayout::RecommendationFinding(), location(),
                                QStringLiteral("TMVRFRec.db"));
    ASSERT_TRUE(recommendations.Open());
    const QList<std::pair<int, const char*>> findings{{9, "Rec3"}, {4, "Rec2"}, {9, "Rec1"}};
    for (const auto& [line, type] : findings) {
        recommendations.Append();
        recommendations.setInteger(QStringLiteral("Enregistrement"), line);
        recommendations.setText(QStringLiteral("Type"), QString::fromLatin1(type));
        ASSERT_TRUE(recommendations.Post());
    }
    // A key given in part finds the first record that begins with it.
    ASSERT_TRUE(recommendations.FindKey({9}));
    EXPECT_EQ(recommendations.text(QStringLiteral("Type")), QStringLiteral("Rec1"));
    recommendations.Next();
    EXPECT_EQ(recommendations.text(QStringLiteral("Type")), QStringLiteral("Rec3"));
}

TEST_F(RecordTableCursor, TheRosterIndexPutsTheWeakestFirstAndKeepsTheAppendOrderOfTies) {
    RecordTable roster(TableLayout::Roster(), location(), QStringLiteral("TmpaaaJ2.db"));
    ASSERT_TRUE(roster.Open());
    const QList<std::pair<QVariant, const char*>> records{
        {5, "a"}, {QVariant(), "b"}, {3, "c"}, {5, "d"}, {QVariant(), "e"}};
    for (const auto& [order, name] : records) {
        roster.Append();
        roster.setValue(2, order);
        roster.setText(QStringLiteral("Prenom"), QString::fromLatin1(name));
        ASSERT_TRUE(roster.Post());
    }
    const auto walk = [&roster] {
        QString names;
        for (roster.First(); !roster.Eof(); roster.Next()) {
            names += roster.text(QStringLiteral("Prenom"));
        }
        return names;
    };
    EXPECT_EQ(walk(), QStringLiteral("abcde"));  // without an index: append order
    ASSERT_TRUE(roster.SetIndex(QStringLiteral("ClassementDecroissant")));
    EXPECT_EQ(walk(), QStringLiteral("becad"));
    EXPECT_FALSE(roster.SetIndex(QStringLiteral("Autre")));
}
