#pragma once

#include <QString>

// How a draw is cut into sheets: PartCount sheets for the first rounds, each showing
// 1/PartCount of round 1 and its branches, then the end sheet, which shows the draw whole
// from round EndRound to the winner; or one sheet (PartCount 0) for the whole draw.
struct SheetPlan {
    int PartCount = 0;
    int SheetCount = 1;
    int EndRound = 0;  // 0 on a one-sheet plan
    // The key of the sheet captions (halves, quarters, ...): 64 times the parts.
    int CaptionKey = 0;

    // The plan of a draw of `dimension` entries at `perSheet` at most on one sheet.
    static SheetPlan Of(int dimension, int perSheet);

    // The caption of sheet `partNumber` for a caption key; empty for other keys and numbers.
    static QString Caption(int key, int partNumber, int dimension);
    // The key of the draw's own figures: dimension × 64 / perSheet.
    static int CaptionKeyOf(int dimension, int perSheet);

    bool operator==(const SheetPlan&) const = default;
};
