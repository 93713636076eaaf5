#pragma once

#include "core/LineStartFigures.h"
#include "drawtable/TableLocations.h"

#include <QString>

class Prompter;
class RecordTable;

// The acceptance of a line-start draw: after the user's agreement, "Tmpaaaa2.db" is
// copied into the host's draw table, whose dimension is the power of two P not below D.
// A section draw is copied round by round, each round landing at the start of the host
// round, the rest of the host round staying empty.
class LineDrawAcceptance {
public:
    static bool AcceptLineDraw(const LineStartFigures& figures, const TableLocations& places,
                               Prompter& prompter);

    static QString Question();

    // The lines of the next round of a section draw: half of c, a half going to the even
    // neighbour (3 gives 2, 5 gives 2, 1 gives 0).
    static int HalfToEven(int lines);

private:
    static bool copyByRounds(RecordTable& working, RecordTable& host, int dimension, int power);
};
