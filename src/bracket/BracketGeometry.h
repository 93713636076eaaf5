#pragma once

// The geometry of the bracket, in page pixels: margins, the vertical unit U between two
// lines of round 1, the width W of a line and the step S between two columns.
struct BracketGeometry {
    static constexpr int Top = 20;   // T
    static constexpr int Left = 20;  // L
    static constexpr int NameTextSize = 7;
    static constexpr int RankingMaxWidth = 50;

    int VerticalUnit = 10;  // U
    int LineWidth = 50;     // W
    int ColumnStep = 50;    // S

    // The geometry of a table of that many lines: draws below 64 entries are stretched
    // so that they fill about the height of a draw of 64 (U = 640 / D, W = S = 50 for
    // the usual dimensions 2 to 32).
    static BracketGeometry FromLineCount(int lineCount);
    // The geometry of a display percentage (50 to 200): U = 10 p, W = S = 50 p.
    static BracketGeometry FromPercent(int percent);

    bool operator==(const BracketGeometry&) const = default;
};
