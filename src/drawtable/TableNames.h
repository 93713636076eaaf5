#pragma once

#include <QString>

// The file names of the tables, as the program and its host name them.
struct TableNames {
    static inline const QString StaggeredDraw = QStringLiteral("Tmpaaaa.db");
    static inline const QString LineDraw = QStringLiteral("Tmpaaaa2.db");
    static inline const QString Roster = QStringLiteral("TmpaaaJ2.db");
    static inline const QString Rules = QStringLiteral("TMVERIFI.DB");
    static inline const QString Recommendations = QStringLiteral("TMVRFRec.db");
    // The host's draw table when no host names another.
    static inline const QString DefaultHost = QStringLiteral("Tmpaaaa.db");
};
