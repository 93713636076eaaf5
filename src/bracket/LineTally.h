#pragma once

#include <QHash>
#include <QString>

class RecordTable;

// How many lines of a draw table hold each name, and how many are an incoming
// qualifier's, counted in one walk of the table.
class LineTally {
public:
    static LineTally Of(RecordTable& table);

    // CountLinesOf: with a text (spaces removed at both ends), the lines whose Nom is
    // exactly that text, so that a player's surname is not counted as a ranking; with
    // no text, the lines of incoming qualifiers.
    int CountLinesOf(const QString& text) const;

private:
    QHash<QString, int> names_;
    int qualifiers_ = 0;
};
