#pragma once

#include <QString>

// The text of a roster entry, "%2.0d/%2.0d" of the placed count and the total, then
// "  (", the ranking and ")", read back and rewritten as placement and return change it.
class RosterEntryText {
public:
    // The part between "(" and ")": from the start when there is no "(", to the end when
    // there is no ")".
    static QString RankingText(const QString& text);
    // The whole numbers before and after the slash (120 reads as 120); 0 when unreadable.
    static int Placed(const QString& text);
    static int Total(const QString& text);
    // The text with another placed count, written with two characters, the rest from the
    // slash on unchanged.
    static QString WithPlaced(const QString& text, int placed);
};
