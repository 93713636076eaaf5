#pragma once

// The figures of a line-start draw, as the wizard computes and shows them.
struct LineStartFigures {
    int GridPlayers = 0;         // players of the ranking rows, without incoming qualifiers
    int LineQualifiersIn = 0;    // Q
    int LineQualifiersOut = 0;   // q
    int LineSeeds = 0;           // S
    int LineDimension = 0;       // D, the entries of the draw
    int Byes = 0;                // D - N
    int NonByes = 0;             // N - Byes, the players of round 1
    int PowerDimension = 0;      // the smallest power of two not below D
    bool LineFinalDraw = false;  // no outgoing qualifiers
    bool OutgoingEdited = false;

    int players() const { return GridPlayers + LineQualifiersIn; }  // N
};
