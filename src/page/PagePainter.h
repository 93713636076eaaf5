#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class Page;
class QPaintDevice;
class QPainter;

// Paints a whole page with QPainter: on an image, a PDF writer or a printer. Items are
// painted in page order, later ones over earlier ones, in page pixels (1/96 inch).
class PagePainter {
public:
    // Paints in the painter's current coordinates: one unit is one page pixel.
    static void paint(const Page& page, QPainter& painter);

    // Paints on a device at its own resolution: a page pixel is 1/96 inch there too.
    static void render(const Page& page, QPaintDevice& device);

    // An image of the page at the given zoom, on the given background.
    static QImage image(const Page& page, qreal zoom = 1.0,
                        const QColor& background = QColor(255, 255, 255));

    // The smallest size from the top left corner that holds what the visible items
    // paint, auto-sized labels at their fitted size.
    static QSize extent(const Page& page);
};
