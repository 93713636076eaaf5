#pragma once

// The order in which the builders fill a column of t lines (t a power of two): position
// 1 is the last line, position 2 the first, and positions q and t + 1 - q share a match,
// so that the best entrants are spread as far apart as the column allows. For t = 8:
// 8, 1, 3, 6, 5, 4, 2, 7.
class ColumnOrder {
public:
    // The line for position number p in a column of t lines; 0 when p is not between
    // 1 and t (the column has no line for it).
    static int CherchePositionTS(int p, int t);
};
