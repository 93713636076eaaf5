#include "PagePainter.h"

#include "Page.h"
#include "PageItemPainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

void PagePainter::paint(const Page& page, QPainter& painter) {
    for (const PageItem* item : page.items()) {
        PageItemPainter::paint(painter, *item);
    }
}

void PagePainter::render(const Page& page, QPaintDevice& device) {
    QPainter painter(&device);
    painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    paint(page, painter);
}

QImage PagePainter::image(const Page& page, qreal zoom, const QColor& background) {
    const QSize size = extent(page);
    QImage image(std::max(1, static_cast<int>(std::ceil(size.width() * zoom))),
                 std::max(1, static_cast<int>(std::ceil(size.height() * zoom))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.scale(zoom, zoom);
    paint(page, painter);
    return image;
}

QSize PagePainter::extent(const Page& page) {
    QRectF all;
    for (const PageItem* item : page.items()) {
        if (item->visible) {
            all |= PageItemPainter::bounds(*item);
        }
    }
    return QSize(std::max(0, static_cast<int>(std::ceil(all.right()))),
                 std::max(0, static_cast<int>(std::ceil(all.bottom()))));
}
