#include "RankingOrderList.h"

#include "core/Cp1252.h"

#include <QFile>

std::optional<RankingOrderList> RankingOrderList::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QString text = Cp1252::decode(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end closes the last line; it does not open another one.
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (QString& line : lines) {
        line = line.trimmed();
    }
    return RankingOrderList(lines);
}

QString RankingOrderList::MissingWarning() {
    return QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé.");
}

int RankingOrderList::order(const QString& text) const {
    return static_cast<int>(entries_.indexOf(text.trimmed()));
}
