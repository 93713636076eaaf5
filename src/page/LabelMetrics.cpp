#include "LabelMetrics.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

QFont LabelMetrics::font(const PageFont& pageFont) {
    QFont font(pageFont.family);
    font.setPixelSize(pixelSize(pageFont.pointSize));
    font.setBold(pageFont.bold);
    font.setItalic(pageFont.italic);
    font.setUnderline(pageFont.underline);
    return font;
}

int LabelMetrics::pixelSize(int pointSize) {
    // points × 96 / 72, rounded; a third is never a half, so no tie can occur.
    return std::max(1, (pointSize * 4 + 1) / 3);
}

QSize LabelMetrics::fittedSize(const PageFont& pageFont, const QString& text) {
    const QFontMetrics metrics(font(pageFont));
    const QStringList lines =
        (text.isEmpty() ? QStringLiteral(" ") : text).split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    // One font height per line, without the blank a layout would leave under the last.
    return QSize(width,
                 metrics.height() + (static_cast<int>(lines.size()) - 1) * metrics.lineSpacing());
}

QRect LabelMetrics::box(const PageItem& item) {
    QRect box = item.box();
    if (item.kind == PageItem::Kind::Label && (item.width == 0 || item.height == 0)) {
        const QSize fitted = fittedSize(item.font, item.text);
        if (item.width == 0) {
            box.setWidth(fitted.width());
        }
        if (item.height == 0) {
            box.setHeight(fitted.height());
        }
    }
    return box;
}
