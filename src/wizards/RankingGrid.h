#pragma once

#include <QString>

#include <array>
#include <optional>

class StaircaseState;

// The ranking grid of both wizards: twelve columns, the ranking names in the first row
// and the counts, as typed, in the second; column c stands for ranking row c. The
// staggered-entry wizard reads it back into the ranking rows in two ways.
class RankingGrid {
public:
    static constexpr int Columns = 12;

    QString& name(int column) { return names_[index(column)]; }
    QString& count(int column) { return counts_[index(column)]; }
    const QString& name(int column) const { return names_[index(column)]; }
    const QString& count(int column) const { return counts_[index(column)]; }
    // The cell of the window's grid at row 0 (names) or 1 (counts) and column 1 to 12.
    void setCell(int row, int column, const QString& text) {
        (row == 0 ? name(column) : count(column)) = text;
    }

    // Enter in the grid: every column with a name gives its row the name cut to 5
    // characters and the count (0 when it is not a number of players). Columns without a
    // name leave their row alone. Returns the sum of the counts.
    int ReadOnEnter(StaircaseState& state) const;

    // Before a search or a manual entry: the columns with a name and a count above 0
    // fill the ranking rows from row 1 without gaps, the names cut to 5 characters and
    // padded to 4, and their counts are added to TotalPlayers. A count that is not a
    // number of players (not an integer, or above the largest count a draw takes) stops
    // the reading: its text is returned.
    std::optional<QString> ReadForSearch(StaircaseState& state) const;

private:
    static std::size_t index(int column) { return static_cast<std::size_t>(column - 1); }

    std::array<QString, Columns> names_;
    std::array<QString, Columns> counts_;
};
