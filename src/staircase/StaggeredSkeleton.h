#pragma once

#include "drawtable/RecordTable.h"
#include "drawtable/TableLocations.h"

class Prompter;
class StaircaseState;
class SkeletonWriter;
class StaggeredLineChoice;
struct StaircaseStep;

// The skeleton of a staggered-entry draw, built from the staircase being looked at into
// the working table "Tmpaaaa.db": the outgoing qualifiers on the first lines of the round
// after the last tour, then tour by tour from the last round to the first round played,
// the direct entrants of each tour (the first Seeds of them as seeds), each with its
// incoming qualifier when it forms a couple with one. Every line that feeds a placed
// entrant is closed while the construction runs, so later tours only use the branches
// still open, and opened again at the end.
class StaggeredSkeleton {
public:
    StaggeredSkeleton(StaircaseState& state, int tourCount, const TableLocations& places,
                      Prompter& prompter);

    // Builds the skeleton. Problems of the staircase go to SkeletonErrorCount and
    // SkeletonErrorText and are shown; false when the table itself could not be used or
    // written (told too), the table then keeping what it held before.
    bool TraiteSqueletteTableau();
    // Copies the working table into the host's draw table (acceptance).
    bool TransfereTableau();

private:
    void placeTour(int s, SkeletonWriter& writer, StaggeredLineChoice& choice);
    static bool commit(RecordTable::Batch& batch, const RecordTable& table, SkeletonWriter& writer);

    StaircaseState& state_;
    int tourCount_;
    TableLocations places_;
    Prompter& prompter_;
    int placed_ = 0;
};
