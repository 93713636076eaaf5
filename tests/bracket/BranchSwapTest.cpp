#include "EditingTestSupport.h"

#include "bracket/BranchSwap.h"

namespace {

class BranchSwapping : public EditingFixture {
protected:
    // Lines 1 to 2D − 1 named after their numbers, entrants on round 1.
    std::map<int, TestLine> numbered(int dimension) {
        std::map<int, TestLine> lines;
        for (int n = 1; n < 2 * dimension; ++n) {
            TestLine line;
            line.position = n <= dimension ? DrawLine::Entrant : DrawLine::Empty;
            line.nom = QStringLiteral("L%1").arg(n);
            lines.emplace(n, line);
        }
        return lines;
    }

    QString nomOf(int number) const {
        RecordTable& table = *view_->table();
        table.FindKey({number});
        return table.text(DrawLine::Nom);
    }
};

}  // namespace

TEST_F(BranchSwapping, TheLowerHalfComesUpMirroredAndRoundOneSwapsJustTwoLines) {
    open(8, numbered(8), 2);
    BranchSwap(*view_->table(), 8, 2).SwapBranches(13, 14);
    const std::map<int, int> from{{13, 14}, {14, 13}, {9, 12}, {12, 9}, {10, 11},
                                  {11, 10}, {1, 8},   {8, 1},  {2, 7},  {7, 2},
                                  {3, 6},   {6, 3},   {4, 5},  {5, 4},  {15, 15}};
    for (const auto& [line, was] : from) {
        EXPECT_EQ(nomOf(line), QStringLiteral("L%1").arg(was)) << line;
    }

    open(8, numbered(8), 2);
    BranchSwap(*view_->table(), 8, 2).SwapBranches(2, 5);
    for (int n = 1; n < 16; ++n) {
        EXPECT_EQ(nomOf(n), QStringLiteral("L%1").arg(n == 2 ? 5 : n == 5 ? 2 : n)) << n;
    }
}

// With 3 outgoing qualifiers the draw is sectioned: branches are never crossed.
TEST_F(BranchSwapping, ASectionedDrawSwapsFeedersInOrder) {
    open(8, numbered(8), 3);
    BranchSwap(*view_->table(), 8, 3).SwapBranches(9, 12);
    EXPECT_EQ(nomOf(1), QStringLiteral("L7"));
    EXPECT_EQ(nomOf(2), QStringLiteral("L8"));
}

TEST_F(BranchSwapping, SeedAndOutgoingQualifierCodesStayOnTheirLines) {
    open(8, {{1, lineOf(DrawLine::Seed, "A", 1)},
             {2, lineOf(DrawLine::IncomingQualifier, "", 4)},
             {3, lineOf(DrawLine::Entrant, "B", 9)},
             {5, lineOf(DrawLine::IncomingQualifier, "", 2)},
             {9, lineOf(DrawLine::OutgoingQualifier, "", 1)},
             {10, lineOf(DrawLine::Entrant, "C", 3)}});
    BranchSwap swap(*view_->table(), 8, 1);
    swap.SwapLines(1, 3);  // a seed keeps its code and number; so does the other line
    EXPECT_EQ(line(1), QStringLiteral("2 1 B"));
    EXPECT_EQ(line(3), QStringLiteral("1 9 A"));
    swap.SwapLines(9, 10);
    EXPECT_EQ(line(9), QStringLiteral("5 1 C"));
    EXPECT_EQ(line(10), QStringLiteral("1 3 "));
    swap.SwapLines(2, 5);  // incoming qualifiers move with their numbers
    EXPECT_EQ(line(2), QStringLiteral("3 2 "));
    EXPECT_EQ(line(5), QStringLiteral("3 4 "));
    swap.SwapLines(2, 4);
    EXPECT_EQ(line(2), QStringLiteral("0 - "));
    EXPECT_EQ(line(4), QStringLiteral("3 2 "));
}

TEST_F(BranchSwapping, ASegmentDropSwapsOnlyOntoLinesThatTakeABranch) {
    open(8, {{1, lineOf(DrawLine::Entrant, "15/2")}, {3, lineOf(DrawLine::Entrant, "15/1")}});
    EXPECT_EQ(page_.find(segment(1, 1))->tag, 0);  // a named entrant's segment
    EXPECT_EQ(drop(segment(1, 2), segment(1, 1)), BracketEditor::Outcome::Refused);
    EXPECT_EQ(drop(segment(1, 2), name(1, 4)), BracketEditor::Outcome::Refused);
    EXPECT_EQ(drop(segment(2, 9), segment(2, 10)), BracketEditor::Outcome::Done);
    EXPECT_EQ(line(1), QStringLiteral("1 - 15/1"));
    EXPECT_EQ(line(3), QStringLiteral("1 - 15/2"));
    // The page is laid out again.
    EXPECT_EQ(text(name(1, 3)), QStringLiteral("15/2 "));
    EXPECT_EQ(page_.find(segment(1, 3))->tag, 0);
    // A segment of a named entrant moves nothing.
    EXPECT_EQ(drop(segment(1, 3), segment(1, 5)), BracketEditor::Outcome::Done);
    EXPECT_EQ(line(3), QStringLiteral("1 - 15/2"));
    EXPECT_EQ(view_->editor().undoStack().count(), 1);
}
