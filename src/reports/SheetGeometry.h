#pragma once

// The geometry of one sheet of the draw report, in report units (the name font in
// points): the top and left of the first column, the height of a line's box, the pitch of
// the lines of round 1, a line's width and the pitch of the columns.
struct SheetGeometry {
    int Top = 1;
    int Left = 10;
    int LineHeight = 18;
    int NameFontSize = 9;
    int LinePitch = 10;
    int LineWidth = 100;
    int ColumnPitch = 100;
    double FontScale = 1.0;

    // The geometry for a draw of F lines (a power of two) at perSheet lines at most on a
    // sheet, scaled for the paper (1.0, or 1.4142 on A3).
    static SheetGeometry For(int F, int perSheet, bool landscape, double paperScale);

    bool operator==(const SheetGeometry&) const = default;
};
