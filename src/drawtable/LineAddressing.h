#pragma once

#include <vector>

// The numbering of the lines of a draw of dimension D (the lines of round 1): all lines
// of round 1 first, then those of round 2, and so on, each round half the size of the
// one before it, halves truncated (a section draw of 12 has rounds of 12, 6, 3 and 1).
// The table of such a draw holds 2D - 1 lines.
class LineAddressing {
public:
    struct Feeders {
        int first = 0;
        int second = 0;
    };

    explicit LineAddressing(int dimension);

    int Dimension() const { return dimension_; }
    int LineCount() const { return 2 * dimension_ - 1; }
    // Rounds holding at least one line; a power of two D has log2(D) + 1 of them.
    int RoundCount() const { return static_cast<int>(sizes_.size()); }
    // Lines of round r; 0 for a round the draw does not have.
    int RoundSize(int round) const;

    // Line i of round r: i plus the lines of the rounds before r. An index past the
    // round's size lands on the lines that follow it in the table.
    int LineNumber(int round, int index) const;
    // The round that holds the line; 0 for a line that lies in no round (below 1, or
    // past the last round of a section draw, whose rounds hold fewer than 2D - 1 lines).
    int RoundOfLine(int line) const;
    int IndexInRound(int line) const;
    // The two lines whose winners meet on the line; none (0, 0) for a line of round 1.
    Feeders FeederLines(int line) const;
    // The line the winner of the line goes to.
    int WinnerLine(int line) const;

private:
    int dimension_;
    std::vector<int> sizes_;
};
