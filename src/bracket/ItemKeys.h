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
    // The connectors of a visible line: the stub on its left, the stub on its right, and
    // on the even line of a pair the vertical join up to the odd line.
    static inline const QString LeftStub = QStringLiteral("CONG");
    static inline const QString RightStub = QStringLiteral("COND");
    static inline const QString Join = QStringLiteral("JOIN");
    // The rules banner, hidden by every layout.
    static inline const QString Banner = QStringLiteral("Label2Regles");

    static QString ItemSuffix(int round, int line);
    // The round and the line read back from an item's name (two characters for the
    // round, up to four for the line after the prefix); 0 when unreadable.
    static int RoundOf(const QString& name, const QString& prefix);
    static int LineOf(const QString& name, const QString& prefix);
    static QString key(const QString& prefix, int round, int line) {
        return prefix + ItemSuffix(round, line);
    }
};
