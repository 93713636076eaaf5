#include "IntegerText.h"

std::optional<int> IntegerText::toInt(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    for (qsizetype at = 0; at < trimmed.size(); ++at) {
        const QChar c = trimmed[at];
        const bool sign = at == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        if (!sign && (c < QLatin1Char('0') || c > QLatin1Char('9'))) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

QString IntegerText::conversionError(const QString& text) {
    return QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text);
}
