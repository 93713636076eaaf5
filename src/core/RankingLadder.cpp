#include "RankingLadder.h"

namespace {

QStringList buildEntries() {
    QStringList entries{QStringLiteral("NC"),   QStringLiteral("40"),   QStringLiteral("30/5"),
                        QStringLiteral("30/4"), QStringLiteral("30/3"), QStringLiteral("30/2"),
                        QStringLiteral("30/1"), QStringLiteral("30"),   QStringLiteral("15/5"),
                        QStringLiteral("15/4"), QStringLiteral("15/3"), QStringLiteral("15/2"),
                        QStringLiteral("15/1"), QStringLiteral("15"),   QStringLiteral("5/6"),
                        QStringLiteral("4/6"),  QStringLiteral("3/6"),  QStringLiteral("2/6"),
                        QStringLiteral("1/6"),  QStringLiteral("0"),    QStringLiteral("-2/6"),
                        QStringLiteral("-4/6"), QStringLiteral("-15")};
    for (int number = 100; number >= 1; --number) {
        entries.append(QStringLiteral("N°%1").arg(number));
    }
    return entries;
}

}  // namespace

const QStringList& RankingLadder::Entries() {
    static const QStringList entries = buildEntries();
    return entries;
}

QString RankingLadder::Entry(int index) {
    return index >= 0 && index < EntryCount ? Entries().at(index) : QString();
}

int RankingLadder::LadderIndex(const QString& text) {
    return static_cast<int>(Entries().indexOf(text));
}

QStringList RankingLadder::LadderRange(int s, int e) {
    QStringList range;
    for (int index = e; index >= s; --index) {
        range.append(Entry(index));
    }
    return range;
}

const QStringList& RankingLadder::DrawSizes() {
    static const QStringList sizes{QString(),
                                   QStringLiteral("2"),
                                   QStringLiteral("4"),
                                   QStringLiteral("8"),
                                   QStringLiteral("16"),
                                   QStringLiteral("32"),
                                   QStringLiteral("64"),
                                   QStringLiteral("128"),
                                   QStringLiteral("256"),
                                   QStringLiteral("512"),
                                   QStringLiteral("1024")};
    return sizes;
}

bool RankingLadder::Multiple2(int n) {
    for (long long power = 1; power <= n; power *= 2) {
        if (power == n) {
            return true;
        }
    }
    return false;
}

int RankingLadder::NextPowerOfTwo(int start, int n) {
    // A start of 0 or below would never grow; the callers pass at least 1, and 1 is
    // the only sound reading of anything smaller.
    long long value = start >= 1 ? start : 1;
    while (value < n) {
        value *= 2;
    }
    return static_cast<int>(value);
}

QString RankingLadder::RoundName(int qualifiersOut) {
    switch (qualifiersOut) {
        case 0:
            return QStringLiteral("Tableau final");
        case 1:
            return QStringLiteral("finale");
        case 2:
            return QStringLiteral("1/2 finale");
        case 4:
            return QStringLiteral("1/4 finale");
        case 8:
            return QStringLiteral("1/8 finale");
        case 16:
            return QStringLiteral("1/16 finale");
        case 32:
            return QStringLiteral("1/32 finale");
        default:
            return QString();
    }
}

const QStringList& RankingLadder::LastRoundItems() {
    static const QStringList items{QStringLiteral("Finale"),      QStringLiteral("1/2 finale"),
                                   QStringLiteral("1/4 finale"),  QStringLiteral("1/8 finale"),
                                   QStringLiteral("1/16 finale"), QStringLiteral("1/32 finale")};
    return items;
}
