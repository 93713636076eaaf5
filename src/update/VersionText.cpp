#include "VersionText.h"

#include <QLocale>
#include <QRegularExpression>

double VersionText::Read(const QString& text) {
    static const QRegularExpression number(QStringLiteral("(\\d+)(?:[.,](\\d+))?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        return 0;
    }
    QString decimal = match.captured(1);
    if (match.hasCaptured(2)) {
        decimal += QLatin1Char('.') + match.captured(2);
    }
    bool ok = false;
    const double version = QLocale::c().toDouble(decimal, &ok);
    return ok ? version : 0;
}
