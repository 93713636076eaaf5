#pragma once

#include <QString>

#include <optional>

// The texts of the staircase entry screen's labels, which carry its numbers: a pool label
// " 2 de  4   (30/5)", a staircase line " 3 (30/5)", a tour header " 8", a tour footer
// " 1     -1 compression(s)". Every operation reads its numbers back from these texts:
// the first number from the first two characters, the total from the two characters
// after "de ", the ranking from the "(" on. A number is therefore kept within -9 to 99.
class EntryLabelText {
public:
    static constexpr int Lowest = -9;
    static constexpr int Highest = 99;
    static bool fits(int value) { return value >= Lowest && value <= Highest; }
    // What a move that would write a number beyond them is told.
    static QString RangeMessage();

    // The number of the first two characters; none when they are not one.
    static std::optional<int> first(const QString& text);
    // The number of the two characters after "de "; none when the text has no "de " or
    // they are not a number.
    static std::optional<int> total(const QString& text);
    // The text from its "(" to the end, "(30/5)"; empty when there is no "(".
    static QString ranking(const QString& text);
    // The text between "(" and ")", "30/5".
    static QString rankingName(const QString& text);
    // Whether a ranking text stands in a label's text; an empty ranking stands in none.
    static bool holds(const QString& text, const QString& ranking);

    // A pool label: placed of total, then the ranking name in brackets.
    static QString pool(int placed, int total, const QString& name);
    // A pool label whose ranking text already has its brackets.
    static QString poolWithRanking(int placed, int total, const QString& ranking);
    // A staircase line: the count, then the ranking text with its brackets.
    static QString line(int count, const QString& ranking);
    // A tour header: tour 1 shows its positions as they are, later tours on two places.
    static QString header(int tour, int positions);
    // A tour footer: the positions left to the winners of the tour before, then the
    // compressions when the ranked entrants differ from the tour's matches.
    static QString footer(int arriving, std::optional<int> compressions);
};
