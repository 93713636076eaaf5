#include "SkeletonTestSupport.h"

using StaggeredPlacement = SkeletonFixture;

// Q = 4, one tour of a draw of 8: five D players, the last three each with an incoming
// qualifier.
TEST_F(StaggeredPlacement, TheLastPlayersOfAnEntryBringTheirQualifier) {
    state_.QualifiersOut = 4;
    state_.Dimension = 8;
    setTour(1, 8, 0, {{"D", 5}, {"q", 3}});
    ASSERT_TRUE(build(1));
    EXPECT_EQ(state_.SkeletonErrorCount, 0);
    const auto lines = built();
    expectFinished(lines, 8);
    // The first two stand alone.
    EXPECT_EQ(lines.at(8).nom, QStringLiteral("D"));
    EXPECT_EQ(lines.at(8).numero.toInt(), 1);
    EXPECT_EQ(lines.at(1).numero.toInt(), 2);
    EXPECT_EQ(lines.at(2).position, DrawLine::Entrant);  // its partner line 1 is taken
    // The next ones get their qualifier on the other line of their match...
    for (const int line : {3, 6}) {
        EXPECT_EQ(lines.at(line).nom, QStringLiteral("D")) << line;
    }
    for (const int line : {4, 5, 7}) {
        EXPECT_EQ(lines.at(line).position, DrawLine::IncomingQualifier) << line;
        EXPECT_EQ(lines.at(line).nom, QString()) << line;
        EXPECT_EQ(lines.at(line).numero.toInt(), 0) << line;
    }
    // ...or, when that line is taken, on the first free line from line 2: line 7.
    EXPECT_EQ(lines.at(2).numero.toInt(), 5);
    for (int line = 9; line <= 12; ++line) {
        EXPECT_EQ(lines.at(line).position, DrawLine::OutgoingQualifier);
    }
}

// Q = 3 (not a power of two): one entrant in each block of the first Q x 2^s lines.
TEST_F(StaggeredPlacement, OtherModeFillsOneLinePerBlockInAlternatePasses) {
    state_.QualifiersOut = 3;
    state_.Dimension = 16;
    setTour(1, 6, 3, {{"A", 3}});
    setTour(2, 6, 0, {{"B", 6}});
    ASSERT_TRUE(build(2));
    EXPECT_EQ(state_.SkeletonErrorCount, 0);
    const auto lines = built();
    expectFinished(lines, 16);
    // Tour 1, round 2, six lines in blocks of 2: a descending pass.
    EXPECT_EQ(lines.at(16 + 6).numero.toInt(), 1);
    EXPECT_EQ(lines.at(16 + 4).numero.toInt(), 2);
    EXPECT_EQ(lines.at(16 + 2).numero.toInt(), 3);
    // Tour 2, round 1, twelve lines in blocks of 4: an ascending pass first.
    EXPECT_EQ(lines.at(1).numero.toInt(), 4);
    EXPECT_EQ(lines.at(5).numero.toInt(), 5);
    EXPECT_EQ(lines.at(9).numero.toInt(), 6);
    for (const int line : {1, 5, 9, 2, 6, 10}) {
        EXPECT_EQ(lines.at(line).nom, QStringLiteral("B")) << line;
    }
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(lines.at(24 + j).position, DrawLine::OutgoingQualifier);
        EXPECT_EQ(lines.at(24 + j).numero.toInt(), j);
    }
}

// Tour 1 has one arrival more than half its positions: one compression, made while tour 3
// is placed. After the entrant on line 5 of round 1, the inner line 6 is reserved, so the
// next entrant's walk passes it and settles on line 7; the reservation is then released
// and line 6 is filled last.
TEST_F(StaggeredPlacement, ACompressionReservesTheInnerLineForOneWalk) {
    state_.QualifiersOut = 2;
    state_.Dimension = 16;
    setTour(1, 4, 3, {{"A", 1}});
    setTour(2, 6, 4, {{"B", 2}});
    setTour(3, 8, 0, {{"C", 8}});
    ASSERT_TRUE(build(3));
    EXPECT_EQ(state_.SkeletonErrorCount, 0);
    const auto lines = built();
    expectFinished(lines, 16);
    EXPECT_EQ(lines.at(24 + 4).nom, QStringLiteral("A"));
    EXPECT_EQ(lines.at(16 + 6).numero.toInt(), 2);
    EXPECT_EQ(lines.at(16 + 1).numero.toInt(), 3);
    const std::map<int, int> roundOne{{10, 4}, {3, 5}, {5, 6},  {7, 7},
                                      {9, 8},  {8, 9}, {4, 10}, {6, 11}};
    for (const auto& [line, number] : roundOne) {
        EXPECT_EQ(lines.at(line).numero.toInt(), number) << "line " << line;
        EXPECT_EQ(lines.at(line).nom, QStringLiteral("C")) << "line " << line;
    }
}
