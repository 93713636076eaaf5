#include "LineStartTestSupport.h"

#include "wizards/LineSkeletonBuilder.h"

using LineSkeletonLimits = LineStartFixture;

namespace {

struct Count {
    int players = 0;
    int qualifiers = 0;
};

Count countLines(const std::map<int, LineContent>& all) {
    Count count;
    for (const auto& [number, line] : all) {
        count.players += line.nom == QStringLiteral("15") ? 1 : 0;
        count.qualifiers += line.position == DrawLine::IncomingQualifier ? 1 : 0;
    }
    return count;
}

}  // namespace

// Four qualifiers for three players: once the taken slots have pushed the placement
// number past half of round 1, the next slot is the partner line of an earlier pair; it
// is passed over like a slot whose round-2 line is taken, and everyone finds a place.
TEST_F(LineSkeletonLimits, ASlotAlreadyHoldingAPartnerIsPassedOver) {
    wizard({{"15", 3}}, 4, 1, 0);
    ASSERT_TRUE(next(true));
    const Count count = countLines(lines());
    EXPECT_EQ(count.players, 3);
    EXPECT_EQ(count.qualifiers, 4);
    EXPECT_EQ(prompter_.texts(), QStringList{LineSkeletonBuilder::WarningMessage()});
}

// Ten qualifiers for two players: the round-2 pairs read past the roster's end (no player
// on that side) and need more lines than round 2 has; the construction ends, places each
// player once and each qualifier at most once, and tells how many found no place.
TEST_F(LineSkeletonLimits, MoreQualifiersThanTheRoundsHoldAreToldNotLost) {
    wizard({{"15", 2}}, 10, 1, 0);
    ASSERT_TRUE(next(true));
    const Count count = countLines(lines());
    EXPECT_EQ(count.players, 2);
    EXPECT_EQ(count.qualifiers, 8);
    EXPECT_EQ(prompter_.texts(), (QStringList{LineSkeletonBuilder::WarningMessage(),
                                              LineSkeletonBuilder::IncompleteMessage(2)}));
    EXPECT_EQ(prompter_.entries().last().kind, Prompter::Kind::Warning);
}

TEST_F(LineSkeletonLimits, WritePlayerNeverWritesOverAPlacedLine) {
    wizard({{"15", 3}}, 0, 1, 1);
    ASSERT_TRUE(next(false));
    RecordTable draw(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Tmpaaaa2.db"));
    ASSERT_TRUE(draw.Open());
    LineSkeletonBuilder builder(draw, wizard_->figures(), state_, places(), QString(), prompter_,
                                BusyCursor::none());
    EXPECT_TRUE(builder.WritePlayer(QStringLiteral("15"), 2, 1));
    EXPECT_FALSE(builder.WritePlayer(QStringLiteral("30"), 2, 2));
    EXPECT_FALSE(builder.WritePlayer(QStringLiteral("30"), 0, 2));
    EXPECT_FALSE(builder.WritePlayer(QString(), 3, 2));
    EXPECT_TRUE(builder.WritePlayer(QStringLiteral("Q"), 3, 2));
    draw.SetRecNo(2);
    EXPECT_EQ(draw.integer(DrawLine::Position), DrawLine::Seed);
    EXPECT_EQ(draw.text(DrawLine::Nom), QStringLiteral("15"));
    draw.SetRecNo(3);
    EXPECT_EQ(draw.integer(DrawLine::Position), DrawLine::IncomingQualifier);
    EXPECT_TRUE(draw.isNull(DrawLine::Numero));
    // Line 5 is fed by lines 1 and 2: taken once line 5 holds someone.
    EXPECT_FALSE(builder.LineTaken(1));
    EXPECT_TRUE(builder.WritePlayer(QStringLiteral("15"), 5, 9));
    draw.SetRecNo(4);
    EXPECT_TRUE(builder.LineTaken(2));
    EXPECT_EQ(draw.RecNo(), 4);
}
