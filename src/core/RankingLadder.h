#pragma once

#include <QString>
#include <QStringList>

// The French ranking levels from the weakest ("NC", index 0) to the best ("N°1",
// index 122), the draw sizes offered in lists, the names of the last rounds and the
// small arithmetic on draw sizes that the wizards and views share.
class RankingLadder {
public:
    static constexpr int EntryCount = 123;
    static constexpr int NameWidth = 5;  // a ranking text never has more characters
    static constexpr int LargestDraw = 1024;

    static const QStringList& Entries();
    static QString Entry(int index);

    // Index of the entry equal to text (exact comparison), -1 when it is not on the ladder.
    static int LadderIndex(const QString& text);
    // Entries e down to s, best first, as the ranking grid lists a range.
    static QStringList LadderRange(int s, int e);

    // "", "2", "4" ... "1024": the choices of a draw-size list.
    static const QStringList& DrawSizes();

    static bool Multiple2(int n);
    static int NextPowerOfTwo(int start, int n);
    static QString RoundName(int qualifiersOut);
    // Items of the last-round picker: "Finale" ... "1/32 finale"; item i stands for 2^i players.
    static const QStringList& LastRoundItems();
    static int Halve(int n) { return n / 2; }  // integer division truncates toward zero
};
