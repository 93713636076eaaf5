#include "RosterEntryText.h"

#include "core/TextFormat.h"

namespace {

// The number that starts at a place, spaces before it skipped; digits only.
int numberAt(const QString& text, qsizetype from) {
    while (from < text.size() && text.at(from) == QLatin1Char(' ')) {
        ++from;
    }
    qsizetype end = from;
    while (end < text.size() && text.at(end).isDigit()) {
        ++end;
    }
    bool ok = false;
    const int value = text.mid(from, end - from).toInt(&ok);
    return ok ? value : 0;
}

}  // namespace

QString RosterEntryText::RankingText(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype start = open < 0 ? 0 : open + 1;
    const qsizetype close = text.indexOf(QLatin1Char(')'), start);
    return text.mid(start, close < 0 ? -1 : close - start);
}

int RosterEntryText::Placed(const QString& text) {
    return numberAt(text, 0);
}

int RosterEntryText::Total(const QString& text) {
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    return slash < 0 ? 0 : numberAt(text, slash + 1);
}

QString RosterEntryText::WithPlaced(const QString& text, int placed) {
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    return TextFormat::format(QStringLiteral("%2.0d"), placed) +
           (slash < 0 ? QString() : text.mid(slash));
}
