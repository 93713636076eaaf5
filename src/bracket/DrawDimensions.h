#pragma once

class RecordTable;

// Growing the draw by a first round and taking that round off again. The bracket keeps
// every line where it stands relative to the final: line n of a draw of D entries is
// line n + 2D of the draw twice the size, the same place one round later.
class DrawDimensions {
public:
    // Lines numbered from here on are not places of the bracket: adding a round leaves
    // their numbers alone.
    static constexpr int FirstOffBracketLine = 32000;

    // Doubles the dimension: every bracket line moves one round on and 2D empty lines,
    // numbered 1 to 2D, make the new round 1. Returns the new dimension, (lines + 1) / 2;
    // 0 when a write failed, the table then left as it was (its errorText says why).
    static int AddFirstRound(RecordTable& table, int dimension);

    // Deletes the first `dimension` lines (round 1, with what they hold) and numbers the
    // others 1, 2, 3 ... in their order. Returns the new dimension, (lines + 1) / 2; 0
    // when a write failed, the table then left as it was.
    static int RemoveFirstRound(RecordTable& table, int dimension);
};
