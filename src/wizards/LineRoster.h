#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class RankingOrderList;
class StaircaseState;

// The roster "TmpaaaJ2.db" of a line-start skeleton: one record per entered player,
// walked weakest first (index ClassementDecroissant), and the pairs built from that walk.
// Past the last record there is no player: such a side of a pair is empty.
class LineRoster {
public:
    struct Pair {
        QString a;
        QString b;
    };

    static inline const QString Qualifier = QStringLiteral("q");

    // Empties and refills the roster in the location from the ranking rows, then reads it
    // in its walking order. False (errorText) when the table cannot be used.
    bool Fill(const StaircaseState& state, const RankingOrderList& order, const QString& location);
    const QString& errorText() const { return errorText_; }

    // Pairs from the walk: A is the current record, B a qualifier while fewer than
    // `qualifiers` pairs have one, otherwise the next record; then the walk moves on.
    QList<Pair> TakePairs(int count, int qualifiers);
    // The ranking of the record `back` places before the last one.
    QString FromLast(int back) const;

private:
    QString current() const;

    QStringList records_;
    int walk_ = 0;
    QString errorText_;
};
