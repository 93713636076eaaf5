#include "EntryLabelText.h"

#include "core/TextFormat.h"

namespace {

std::optional<int> number(QStringView digits) {
    bool ok = false;
    const int value = digits.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

const QString Of = QStringLiteral("de ");

}  // namespace

QString EntryLabelText::RangeMessage() {
    return QStringLiteral(
        "Opération refusée : l'escalier ne peut afficher que des nombres de -9 à 99.");
}

std::optional<int> EntryLabelText::first(const QString& text) {
    return number(QStringView(text).left(2));
}

std::optional<int> EntryLabelText::total(const QString& text) {
    const qsizetype at = text.indexOf(Of);
    if (at < 0) {
        return std::nullopt;
    }
    return number(QStringView(text).mid(at + Of.size(), 2));
}

QString EntryLabelText::ranking(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('('));
    return at < 0 ? QString() : text.mid(at);
}

QString EntryLabelText::rankingName(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0) {
        return QString();
    }
    const qsizetype close = text.indexOf(QLatin1Char(')'), open + 1);
    return text.mid(open + 1, close < 0 ? -1 : close - open - 1);
}

bool EntryLabelText::holds(const QString& text, const QString& ranking) {
    return !ranking.isEmpty() && text.contains(ranking);
}

QString EntryLabelText::pool(int placed, int total, const QString& name) {
    return poolWithRanking(placed, total, QLatin1Char('(') + name.trimmed() + QLatin1Char(')'));
}

QString EntryLabelText::poolWithRanking(int placed, int total, const QString& ranking) {
    return TextFormat::format(QStringLiteral("%2.0d de %2.0d "),
                              {static_cast<long long>(placed), static_cast<long long>(total)}) +
           QStringLiteral("  ") + ranking;
}

QString EntryLabelText::line(int count, const QString& ranking) {
    return TextFormat::format(QStringLiteral("%2.0d "), count) + ranking;
}

QString EntryLabelText::header(int tour, int positions) {
    return tour == 1 ? QString::number(positions)
                     : TextFormat::format(QStringLiteral("%2.0d"), positions);
}

QString EntryLabelText::footer(int arriving, std::optional<int> compressions) {
    QString text = TextFormat::format(QStringLiteral("%2.0d"), arriving);
    if (compressions) {
        text += QStringLiteral("     ") + QString::number(*compressions) +
                QStringLiteral(" compression(s)");
    }
    return text;
}
