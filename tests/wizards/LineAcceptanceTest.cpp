#include "LineStartTestSupport.h"

#include "wizards/LineDrawAcceptance.h"

using LineAcceptance = LineStartFixture;

TEST_F(LineAcceptance, AnAcceptedDrawIsCopiedIntoTheHostTable) {
    wizard({{"15", 3}, {"30", 3}}, 0, 1, 1);
    ASSERT_TRUE(next(true, true));
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral("Mettre en place ce tableau ?"));
    EXPECT_EQ(prompter_.entries().last().kind, Prompter::Kind::Information);
    EXPECT_EQ(placed(QStringLiteral("Hote.db")), placed());
    RecordTable host(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Hote.db"));
    ASSERT_TRUE(host.Open());
    EXPECT_EQ(host.RecordCount(), 15);
    for (host.First(); !host.Eof(); host.Next()) {
        EXPECT_EQ(host.text(DrawLine::Classement), host.text(DrawLine::Nom));
    }
}

TEST_F(LineAcceptance, DecliningCopiesNothing) {
    wizard({{"15", 3}}, 0, 1, 0);
    prompter_.queueAnswer(false);
    ASSERT_TRUE(next(true, true));
    RecordTable host(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Hote.db"));
    ASSERT_TRUE(host.Open());
    EXPECT_EQ(host.RecordCount(), 0);
}

// D = 12 in a host draw of 16: each round lands at the start of its host round.
TEST_F(LineAcceptance, ASectionDrawIsCopiedRoundByRound) {
    wizard({{"15", 5}, {"30", 5}}, 0, 3, 0);
    ASSERT_TRUE(next(true, true));
    const std::map<int, LineContent> working = lines();
    const std::map<int, LineContent> host = lines(QStringLiteral("Hote.db"));
    ASSERT_EQ(host.size(), 31u);
    const std::map<int, int> landing{{1, 1},   {12, 12}, {13, 17}, {18, 22},
                                     {19, 25}, {21, 27}, {22, 29}, {23, 30}};
    for (const auto& [from, to] : landing) {
        EXPECT_EQ(host.at(to).position, working.at(from).position) << from << " -> " << to;
        EXPECT_EQ(host.at(to).nom, working.at(from).nom) << from << " -> " << to;
    }
    EXPECT_EQ(host.at(27).position, DrawLine::OutgoingQualifier);
    EXPECT_EQ(host.at(27).numero.toInt(), 3);
    for (const int empty : {13, 16, 23, 24, 28, 31}) {
        EXPECT_EQ(host.at(empty).position, 0) << empty;
        EXPECT_TRUE(host.at(empty).nom.isEmpty()) << empty;
    }
}

TEST_F(LineAcceptance, SectionRoundsHalveToTheEvenNeighbour) {
    EXPECT_EQ(LineDrawAcceptance::HalfToEven(12), 6);
    EXPECT_EQ(LineDrawAcceptance::HalfToEven(3), 2);
    EXPECT_EQ(LineDrawAcceptance::HalfToEven(5), 2);
    EXPECT_EQ(LineDrawAcceptance::HalfToEven(7), 4);
    EXPECT_EQ(LineDrawAcceptance::HalfToEven(1), 0);
}

// Five sections: the rounds of 20, 10, 5, 2 and 1 lines hold 38 of the table's 39 lines,
// and the copy ends with the host table instead of running on.
TEST_F(LineAcceptance, TheCopyEndsWithTheHostTable) {
    wizard({{"15", 20}}, 0, 5, 0);
    ASSERT_TRUE(next(false, true));
    EXPECT_EQ(lines(QStringLiteral("Hote.db")).size(), 63u);
}

TEST_F(LineAcceptance, TheHostTableMustNotBeTheWorkingTable) {
    wizard_ = std::make_unique<LineStartWizardLogic>(
        state_, prompter_, BusyCursor::none(),
        TableLocations{dir_.path(), dir_.path(), QStringLiteral("Tmpaaaa2.db")}, QString());
    state_.Rankings[1] = {QStringLiteral("15"), 3, 0};
    wizard_->Init(0, 1, 0, 0);
    ASSERT_TRUE(next(false, true));
    EXPECT_TRUE(
        prompter_.texts().last().startsWith(QStringLiteral("Le tableau n'a pas été copié")));
    EXPECT_EQ(lines().size(), 7u);
}
