#pragma once

#include "BracketGeometry.h"
#include "BracketSettings.h"

#include <QString>

#include <vector>

class FontSettings;
class Page;
class RecordTable;
struct BracketLine;

// Lays a draw table out as a bracket on a page: one column per round, one segment per
// line with its name label, the joins of each pair towards the next round, and the marks
// of seeds and qualifiers. The table is walked round by round (FindKey on the round's
// first line, then Next).
class BracketLayout {
public:
    struct Inputs {
        BracketSettings settings;
        BracketGeometry geometry;
        bool entrantNamesOnly = false;  // names only on the lines of entrants
        int qualifiersOut = 0;
    };

    BracketLayout(Page& page, RecordTable& table, const FontSettings& fonts, const Inputs& inputs);

    // Draws every round of a draw of the dimension (the lines of round 1).
    void LayoutBracket(int dimension);

    // The lines drawn in each round: all of them, except in a draw whose outgoing
    // qualifiers are not a power of two, where only the lines that lead to them are.
    static int ShownLines(int dimension, int qualifiersOut);

private:
    struct Column {
        int round = 0;
        int capacity = 0;
        int x = 0;
        int spacing = 0;
        bool noLeftStub = true;
    };

    void DrawLineItem(const Column& column, int j, int y, bool present, int expectedLine);
    bool visibility(const BracketLine& line, const Column& column, int j, int pair);
    bool partnerKeepsBranch(int j);
    bool decided(const BracketLine& line);
    void addConnectors(const Column& column, int j, int y, int pair, bool visible,
                       const QString& suffix);
    void addBar(const QString& name, int left, int top, int width, int height);

    Page& page_;
    RecordTable& table_;
    const FontSettings& fonts_;
    Inputs inputs_;
    int dimension_ = 0;
    std::vector<char> carry_;  // per pair of the column drawn: its branch goes on
    bool qualifierSeen_ = false;
};
