#pragma once

// The figures of a line-start draw: computed by the line-start wizard, used by its
// skeleton and its acceptance, and shown by the bracket view's information panel, whose
// letters they carry (N, D, E, NE, QS, QE, S).
struct LineStartFigures {
    int GridPlayers = 0;         // players of the ranking rows, without incoming qualifiers
    int LineQualifiersIn = 0;    // QE (Q): incoming qualifiers
    int LineQualifiersOut = 0;   // QS (q): outgoing qualifiers
    int LineSeeds = 0;           // S: seeds
    int LineDimension = 0;       // D: the entries of the draw
    int Byes = 0;                // E = D - N
    int NonByes = 0;             // NE = N - E, the players of round 1
    int PowerDimension = 0;      // the smallest power of two not below D
    bool LineFinalDraw = false;  // no outgoing qualifiers
    bool OutgoingEdited = false;

    int players() const { return GridPlayers + LineQualifiersIn; }  // N
};
