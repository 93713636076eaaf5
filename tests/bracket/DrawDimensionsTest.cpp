#include "BracketTestSupport.h"

#include "bracket/DrawDimensions.h"
#include "common/FailingDisk.h"

#include <tuple>

namespace {

// What a line holds, by its number.
using Lines = std::map<int, std::tuple<int, QString, int>>;

class DrawDimensionsTest : public BracketFixture {
protected:
    void SetUp() override {
        writeTable(Name, 8,
                   {{1, lineOf(DrawLine::Entrant, "Dupont")},
                    {2, lineOf(DrawLine::IncomingQualifier, "", 1)},
                    {9, lineOf(DrawLine::Seed, "Martin", 1)},
                    {15, lineOf(DrawLine::OutgoingQualifier, "", 1)}});
        ASSERT_TRUE(table_.Open());
    }

    Lines lines() {
        Lines read;
        for (table_.First(); !table_.Eof(); table_.Next()) {
            read[table_.integer(DrawLine::FicheNumero)] = {table_.integer(DrawLine::Position),
                                                           table_.text(DrawLine::Nom),
                                                           table_.integer(DrawLine::Numero)};
        }
        return read;
    }

    static inline const QString Name = QStringLiteral("Tmpaaaa.db");
    RecordTable table_{TableLayout::DrawLine(), dir_.path(), Name};
};

}  // namespace

TEST_F(DrawDimensionsTest, AddingARoundMovesEveryLineOneRoundOnAndRemovingItGivesThemBack) {
    const Lines before = lines();
    EXPECT_EQ(DrawDimensions::AddFirstRound(table_, 8), 16);
    const Lines grown = lines();
    ASSERT_EQ(grown.size(), 31u);
    for (int line = 1; line <= 16; ++line) {
        EXPECT_EQ(grown.at(line), std::make_tuple(0, QString(), 0)) << line;
    }
    for (const auto& [number, held] : before) {
        EXPECT_EQ(grown.at(number + 16), held) << number;
    }
    // The change is in the file, not only in the open table.
    RecordTable reread(TableLayout::DrawLine(), dir_.path(), Name);
    ASSERT_TRUE(reread.Open());
    EXPECT_EQ(reread.RecordCount(), 31);

    EXPECT_EQ(DrawDimensions::RemoveFirstRound(table_, 16), 8);
    EXPECT_EQ(lines(), before);
}

TEST_F(DrawDimensionsTest, RemovingTheFirstRoundTakesWhatStandsOnIt) {
    EXPECT_EQ(DrawDimensions::RemoveFirstRound(table_, 8), 4);
    const Lines shrunk = lines();
    ASSERT_EQ(shrunk.size(), 7u);
    EXPECT_EQ(shrunk.begin()->first, 1);
    EXPECT_EQ(shrunk.at(1), std::make_tuple(2, QStringLiteral("Martin"), 1));  // was line 9
    EXPECT_EQ(shrunk.at(7), std::make_tuple(5, QString(), 1));                 // was line 15
}

// Lines from 32000 on are not places of the bracket: adding a round leaves them where
// they are, removing it numbers them on with the others.
TEST_F(DrawDimensionsTest, OffBracketLinesKeepTheirNumbersWhenARoundIsAdded) {
    table_.Insert();
    table_.setInteger(DrawLine::FicheNumero, 32000);
    table_.setText(DrawLine::Nom, QStringLiteral("Hors tableau"));
    ASSERT_TRUE(table_.Post());
    EXPECT_EQ(DrawDimensions::AddFirstRound(table_, 8), 16);  // (32 lines + 1) / 2
    Lines grown = lines();
    EXPECT_EQ(std::get<1>(grown.at(32000)), QStringLiteral("Hors tableau"));
    EXPECT_EQ(std::get<1>(grown.at(17)), QStringLiteral("Dupont"));
    EXPECT_EQ(DrawDimensions::RemoveFirstRound(table_, 16), 8);
    EXPECT_EQ(std::get<1>(lines().at(16)), QStringLiteral("Hors tableau"));
}

TEST_F(DrawDimensionsTest, AFullDiskLeavesTheTableAsItWas) {
    const Lines before = lines();
    FailingDisk disk;
    table_.Close();  // opened again through the disk
    ASSERT_TRUE(table_.Open());
    disk.fillAfter(3, FailingDisk::Files::All, "Tmpaaaa.db");
    EXPECT_EQ(DrawDimensions::AddFirstRound(table_, 8), 0);
    EXPECT_FALSE(table_.errorText().isEmpty());
    disk.makeRoom();
    EXPECT_EQ(lines(), before);
    RecordTable reread(TableLayout::DrawLine(), dir_.path(), Name);
    ASSERT_TRUE(reread.Open());
    EXPECT_EQ(reread.RecordCount(), 15);
}
