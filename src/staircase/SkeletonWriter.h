#pragma once

#include "drawtable/LineAddressing.h"

#include <QString>

class Prompter;
class RecordTable;
class StaircaseState;

// The line operations of a staggered-entry skeleton construction, on the open working
// table. Lines are given as (line of the round, round), rounds numbered from the first
// round played. Every problem adds 1 to SkeletonErrorCount, replaces SkeletonErrorText
// and is shown in a message box.
class SkeletonWriter {
public:
    static inline const QString Reservation = QStringLiteral("###");
    static inline const QString BlockedName = QStringLiteral("-");

    SkeletonWriter(RecordTable& table, int dimension, StaircaseState& state, Prompter& prompter);

    int TrouveNumeroEnregistrement(int line, int round) const {
        return lines_.LineNumber(round, line);
    }
    // A line is free while it is Empty; a reserved line is taken.
    bool isFree(int line, int round);

    // Writes one line, unless it is taken: a line holding a name other than the
    // reservation, or a qualifier mark, is left as it is and the problem is reported.
    bool MetDonneesBD(int line, int number, const QString& name, int position, int round);
    // The first free line of the round from start on, upward (step +1) or downward
    // (step -1); 0 below line 1 or past
    // the table's last line. Past the round's own lines the scan goes on over the lines
    // that follow in the table, so the result can exceed the round's size.
    int CherchePlaceLibre(int start, int step, int round);
    // Every line that feeds the table line, down to round 1, becomes Blocked.
    void BloqueBranches(int tableLine);
    void PlaceEntrant(int line, int k, int round, const QString& name, int position);
    // The partner of line h: the other line of its match, or when that one is taken the
    // first free line from line 2 of the round on, or the other line all the same.
    void PlacePartenaire(int h, int round, const QString& name);
    // The end of the construction: every Blocked line becomes Empty again.
    void ClearBlocked();

    void report(const QString& text);

    static bool isQualifierName(const QString& name);
    static QString IncompleteMessage();
    static QString PlacementProblem(const QString& name);

private:
    bool seek(int tableLine);

    RecordTable& table_;
    LineAddressing lines_;
    StaircaseState& state_;
    Prompter& prompter_;
};
