#pragma once

#include "BracketSettings.h"

#include <QString>

class Prompter;
class StaircaseState;
struct TableLocations;

// How the staircase view opens the bracket view on the skeleton it has just built into
// "Tmpaaaa.db": it asks whether the solution's skeleton is to be set up; on No the
// skeleton's entrants are taken off (every line but the outgoing qualifiers' is emptied)
// and the empty branches are shown. The seeds shown are the state's Seeds and the
// solution is the one the staircase view shows.
class StaggeredOpening {
public:
    static QString Question() {
        return QStringLiteral("Mise en place d'une solution du squelette du tableau ?");
    }

    // The settings the bracket view opens with. A table that cannot be emptied is told.
    static BracketSettings Prepare(StaircaseState& state, const QString& dataLocation,
                                   Prompter& prompter, int currentSolution);
};
