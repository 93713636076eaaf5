#pragma once

#include <QString>

// The names of the items of a bracket line: a prefix followed by the line's suffix, the
// round on two digits then the line number (round 2, line 11: "0211"). Placement finds
// the items by these names and reads the round and the line back from them.
struct ItemKeys {
    static inline const QString Name = QStringLiteral("COL");
    static inline const QString Ranking = QStringLiteral("CLACOL");
    static inline const QString SeedNumber = QStringLiteral("TTSCOL");
    static inline const QString SeedCircle = QStringLiteral("CTTSCOL");
    static inline const QString IncomingQualifier = QStringLiteral("QUACOL");
    static inline const QString OutgoingQualifier = QStringLiteral("VQUACOL");
    static inline const QString Segment = QStringLiteral("SEG");
    // The rules banner, hidden by every layout.
    static inline const QString Banner = QStringLiteral("Label2Regles");

    static QString ItemSuffix(int round, int line);
    static QString key(const QString& prefix, int round, int line) {
        return prefix + ItemSuffix(round, line);
    }
};
