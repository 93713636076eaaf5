#include "ItemKeys.h"

#include "core/TextFormat.h"

QString ItemKeys::ItemSuffix(int round, int line) {
    return TextFormat::format(QStringLiteral("%0.2d"), round) + QString::number(line);
}

int ItemKeys::RoundOf(const QString& name, const QString& prefix) {
    return name.mid(prefix.size(), 2).toInt();
}

int ItemKeys::LineOf(const QString& name, const QString& prefix) {
    return name.mid(prefix.size() + 2, 4).toInt();
}
