#pragma once

// How the draw report prints a sheet, with the defaults of a new report.
struct DrawReportOptions {
    int PerSheet = 64;              // largest draw printed on one sheet: 32, 64, 128 or 256
    bool Framed = true;             // a rectangle around each player line
    bool HideEmptyBranches = true;  // lines without content are not drawn
    bool EndBranches = false;       // the branches after an outgoing qualifier are drawn
    bool Composite = false;         // the sheet belongs to a composite print
    int PartNumber = 1;             // the sheet within a split draw

    bool operator==(const DrawReportOptions&) const = default;
};
