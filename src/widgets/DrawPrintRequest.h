#pragma once

#include <QString>
#include <QStringList>

// What the bracket view knows of the draw it shows, beside the shared state, for
// printing it.
struct DrawPrintRequest {
    bool lineStart = false;
    QString tableName;  // the draw table shown, in the working data location
    bool hideEmptyBranches = true;
    int seeds = 0;            // the seeds of the information panel
    int solutionNumber = 0;   // staggered-entry draws
    int byes = 0;             // E of a line-start draw
    int roundOnePlayers = 0;  // NE of a line-start draw
    QStringList infoLines;    // the notes box, when it is shown
};
