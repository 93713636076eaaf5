#pragma once

#include "drawtable/TableLocations.h"

#include <QString>

class BusyCursor;
class Prompter;
class StaircaseState;

// The acceptance of the staircase the view shows: a draw the host can take, the user's
// agreement, then the skeleton built into "Tmpaaaa.db" and copied into the host's draw
// table, and the solution marked as accepted.
class SolutionAcceptance {
public:
    // Returns whether the solution was accepted; Accepted is then true. Problems of the
    // staircase met by the construction are told and do not stop the copy; a table that
    // cannot be read or written stops everything, and the solution is not accepted.
    static bool Accept(StaircaseState& state, int tourCount, const TableLocations& places,
                       Prompter& prompter, BusyCursor& cursor);

    static QString Question() { return QStringLiteral("Mettre en place cette solution ?"); }
};
