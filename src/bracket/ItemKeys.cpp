#include "ItemKeys.h"

#include "core/TextFormat.h"

QString ItemKeys::ItemSuffix(int round, int line) {
    return TextFormat::format(QStringLiteral("%0.2d"), round) + QString::number(line);
}
