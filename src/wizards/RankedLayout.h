#pragma once

#include <vector>

struct WalkRows;

// Where every ranked player stands in the line of positions of a staircase, for rankings
// as the wizard gives them: rows 1 to n with players, the rows after them empty, and
// the total equal to the ranked players plus the incoming qualifiers, no more qualifiers
// than ranked players. The first positions go to ranked players alone; the last ones to
// pairs of a ranked player and a qualifier. Other rankings are not "regular" and the
// search then walks every candidate.
class RankedLayout {
public:
    RankedLayout(const WalkRows& rows, int totalPlayers, int qualifiersIn);

    bool regular() const { return regular_; }
    int rowCount() const { return rowCount_; }
    int rankedAlone() const { return alone_; }
    int qualifiersIn() const { return qualifiersIn_; }
    // The row of the first player paired with a qualifier (rowCount() + 1 without one).
    int firstPairedRow() const { return firstPairedRow_; }

    // The row of ranked player m (1 to the number of ranked players).
    int rowOfRanked(int m) const { return rowOf_[static_cast<std::size_t>(m)]; }
    // The number of ranked players of rows 1 to row (0 for row 0).
    int rankedThrough(int row) const { return ends_[static_cast<std::size_t>(row)]; }
    // The position of ranked player m.
    int positionOfRanked(int m) const { return m <= alone_ ? m : alone_ + 2 * (m - alone_) - 1; }
    // Ranked players among positions 1 to position, for a position that ends a pair or
    // lies before the pairs.
    int rankedUpTo(int position) const {
        return position <= alone_ ? position : alone_ + (position - alone_) / 2;
    }

    // The fewest positions a tour needs to fill more entries than a step has, among the
    // rows from `row` on (a row and the qualifiers paired with it take one entry each);
    // beyond every draw when no tour can.
    int overflowWindow(int row) const { return overflowWindow_[static_cast<std::size_t>(row)]; }
    // The same for a last tour that also takes the row after the last ranking and a
    // qualifier, as when a pair is split between two tours.
    int splitOverflowWindow() const { return splitOverflowWindow_; }

private:
    int pairedRows(int from, int to) const;
    int firstPosition(int row) const { return positionOfRanked(rankedThrough(row - 1) + 1); }
    int lastPosition(int row) const;
    void findOverflowWindows();

    bool regular_ = false;
    int rowCount_ = 0;
    int alone_ = 0;
    int qualifiersIn_ = 0;
    int firstPairedRow_ = 0;
    std::vector<int> rowOf_;
    std::vector<int> ends_;
    std::vector<int> overflowWindow_;
    int splitOverflowWindow_ = 0;
};
