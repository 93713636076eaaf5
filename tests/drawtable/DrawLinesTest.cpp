#include "TableTestSupport.h"

using DrawLinesCopy = DrawTableFixture;

TEST_F(DrawLinesCopy, FillNumberedReplacesTheContent) {
    RecordTable& table = numberedTable(5);
    table.SetRecNo(2);
    table.setText(DrawLine::Nom, QStringLiteral("NC"));
    ASSERT_TRUE(table.Post());
    ASSERT_TRUE(DrawLines::FillNumbered(table, 3));
    EXPECT_EQ(table.RecordCount(), 3);
    EXPECT_EQ(table.RecNo(), 1);
    for (table.First(); !table.Eof(); table.Next()) {
        EXPECT_TRUE(table.isNull(DrawLine::Nom));
        EXPECT_TRUE(table.isNull(DrawLine::Position));
    }
}

TEST_F(DrawLinesCopy, CopiesEveryFieldAndTheNameIntoTheHostsRanking) {
    RecordTable& working = numberedTable(3);
    working.SetRecNo(2);
    working.setInteger(DrawLine::Position, 2);
    working.setInteger(DrawLine::Numero, 1);
    working.setText(DrawLine::Nom, QStringLiteral("N°12"));
    working.setText(DrawLine::Prenom, QStringLiteral("Jean"));
    working.setText(DrawLine::Classement, QStringLiteral("ignoré"));
    working.setInteger(DrawLine::Information, 1);
    working.setText(DrawLine::TypeClassement, QStringLiteral("P"));
    working.setText(DrawLine::Nationalite, QStringLiteral("FRA"));
    ASSERT_TRUE(working.Post());

    RecordTable host(TableLayout::DrawLine(), location(), QStringLiteral("Hote.db"));
    ASSERT_TRUE(host.Open());
    ASSERT_TRUE(DrawLines::FillNumbered(host, 7));
    host.SetRecNo(5);
    ASSERT_TRUE(DrawLines::CopyLineToHost(working, host));

    EXPECT_EQ(host.integer(DrawLine::FicheNumero), 5);  // the host line keeps its number
    EXPECT_EQ(host.integer(DrawLine::Position), 2);
    EXPECT_EQ(host.integer(DrawLine::Numero), 1);
    EXPECT_EQ(host.text(DrawLine::Nom), QStringLiteral("N°12"));
    EXPECT_EQ(host.text(DrawLine::Prenom), QStringLiteral("Jean"));
    EXPECT_EQ(host.text(DrawLine::Classement), QStringLiteral("N°12"));
    EXPECT_EQ(host.integer(DrawLine::Information), 1);
    EXPECT_EQ(host.text(DrawLine::TypeClassement), QStringLiteral("P"));
    EXPECT_EQ(host.text(DrawLine::Nationalite), QStringLiteral("FRA"));
    EXPECT_EQ(host.RecordCount(), 7);
}

TEST_F(DrawLinesCopy, TellsWhenTwoTablesAreOneFile) {
    RecordTable a(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
    RecordTable b(TableLayout::DrawLine(), location() + QStringLiteral("/."),
                  QStringLiteral("Tmpaaaa.db"));
    RecordTable c(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa2.db"));
    EXPECT_TRUE(DrawLines::SameFile(a, b));
    EXPECT_FALSE(DrawLines::SameFile(a, c));
}
