#pragma once

#include "LineRoster.h"
#include "LineSlots.h"
#include "core/LineStartFigures.h"
#include "drawtable/TableLocations.h"

#include <QList>
#include <QString>
#include <QStringList>

class BusyCursor;
class BusyCursorScope;
class Prompter;
class RankingOrderList;
class RecordTable;
class StaircaseState;

// The skeleton of a line-start draw, written into the open table "Tmpaaaa2.db": the
// entered players, weakest first in the roster "TmpaaaJ2.db", are paired for round 1
// (the weakest with the incoming qualifiers), then for round 2 between players who both
// enter there, and the strongest enter alone in round 2 on the byes; the first S
// placements are the seeds.
//
// Two cases are settled here: a pair read past the roster's last record has no player
// on that side, and the slot stays empty; a player whose slot is missing or already
// taken (no free slot is left in the round) is not placed, and one warning tells how
// many were left out. Nothing is ever written over a placed line.
class LineSkeletonBuilder {
public:
    LineSkeletonBuilder(RecordTable& draw, const LineStartFigures& figures,
                        const StaircaseState& state, const TableLocations& places,
                        const QString& rankingOrderPath, Prompter& prompter, BusyCursor& cursor);

    enum class Result {
        Built,
        // The user kept the players already placed, or the draw is too large (told).
        Declined,
        // The roster or the draw table could not be written (told); the draw table keeps
        // what it held before.
        Failed,
    };
    Result BuildLineSkeleton();

    // Puts a player (or "q", an incoming qualifier) on a line; false when the line does
    // not exist or is taken, or when there is no player.
    bool WritePlayer(const QString& name, int line, int number);
    // Whether the round-2 line that round-1 line v feeds is taken.
    bool LineTaken(int v);

    static QString RedoQuestion();
    static QString TooLargeMessage();
    static QString WarningMessage();
    static QString IncompleteMessage(int players);

private:
    using Pair = LineRoster::Pair;

    Result construct(BusyCursorScope& busy, const RankingOrderList& order);
    bool clearPlacedPlayers(BusyCursorScope& busy);
    void placeByes(int byes);
    void placeRoundTwo(const QList<Pair>& pairs);
    void placeRoundOne(const QList<Pair>& pairs);
    void placePair(const Pair& pair, int v, int round, bool swap);
    void finalPass();
    bool writeLine(const QString& name, int line, int number);
    bool lineFree(int line);

    RecordTable& draw_;
    LineStartFigures figures_;
    const StaircaseState& state_;
    TableLocations places_;
    QString rankingOrderPath_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    LineSlots slots_;
    LineRoster roster_;
    int k_ = 0;
    int unplaced_ = 0;
};
