#pragma once

#include "DrawFile.h"
#include "DrawFileJson.h"
#include "core/LineStartFigures.h"

#include <QString>

#include <optional>

class RecordTable;
class StaircaseState;

// Between a draw file and what the program works on: a draw table in a data folder and the
// shared state. A draw is built from a folder's working table (or the host's) and the
// state; loaded back into a fresh folder and state, it can be shown, checked and printed
// as if the program had built it.
//
// A folder also keeps the figures of the last draw shown or built in it, in "TmpTableau.json"
// (a draw file without lines), because the shared state lives only as long as the program
// runs.
class DrawExchange {
public:
    // What the bracket view shows beside the shared state.
    struct View {
        DrawFile::Kind kind = DrawFile::Kind::Staggered;
        bool hideEmptyBranches = true;
        int seeds = 0;            // the seeds of the information panel
        int solution = 0;         // the staircase solution shown (staggered-entry draws)
        int byes = 0;             // E of a line-start draw
        int roundOnePlayers = 0;  // NE of a line-start draw
    };

    using Result = DrawFileJson::ReadResult;

    // The working table of a kind of draw: "Tmpaaaa.db" or "Tmpaaaa2.db".
    static QString TableName(DrawFile::Kind kind);
    static QString FiguresName() { return QStringLiteral("TmpTableau.json"); }

    // The figures of the state and the view, without lines. A line-start draw has no
    // couples nor compressions: a staggered-entry search may have left some in the state.
    static DrawFile FromState(const StaircaseState& state, const View& view);
    // The lines of an open table, in line order.
    static QList<DrawFile::Line> ReadLines(RecordTable& table);
    // Writes every field of the line into the table's current line (or the one being
    // inserted) and posts it; false when the table refused it.
    static bool WriteLine(RecordTable& table, const DrawFile::Line& line);
    // The figures of the state and the lines of the table named in the folder.
    static Result Build(const QString& location, const QString& tableName,
                        const StaircaseState& state, const View& view);

    // Writes the lines into the working table of the draw's kind in the folder (emptied
    // first) and the figures into the state. Empty on success, else why it failed.
    static QString Load(const DrawFile& draw, const QString& location, StaircaseState& state);
    // How the bracket view opens on a loaded draw.
    static View ViewOf(const DrawFile& draw);
    // The line-start wizard's figures of a line-start draw, as its panel shows them.
    static LineStartFigures LineStartFiguresOf(const DrawFile& draw);

    // Keeps the figures of the state and the view in the folder; empty on success.
    static QString SaveFigures(const QString& location, const StaircaseState& state,
                               const View& view);
    // The figures kept in the folder with the lines of the table named, or of the working
    // table of their kind when tableName is empty.
    static Result FromFolder(const QString& location, const QString& tableLocation,
                             const QString& tableName);
};
