#pragma once

class RecordTable;

// The exchange of two branches of a draw, by a segment dropped on another: the two lines
// exchange their players, then their feeder lines do, round after round down to round 1,
// crosswise when the two lines lie in different halves of their round, so that the
// moved branch comes up mirrored.
class BranchSwap {
public:
    BranchSwap(RecordTable& table, int dimension, int qualifiersOut);

    void SwapBranches(int a, int b);
    // The two lines exchange Nom, Prenom and Classement, and their Position and Numero
    // too unless either holds a seed's or an outgoing qualifier's code: such a code,
    // with its number, stays on its line, and so the other line keeps its own.
    void SwapLines(int a, int b);

private:
    void swapBranches(int a, int b, bool crossed);

    RecordTable& table_;
    int dimension_;
    bool sectioned_;
};
