#pragma once

#include <QRectF>

class QPainter;
struct PageItem;

// Draws one page item in page coordinates. The on-screen items and the painting of a
// whole page on an image, a PDF or a printer share it, so that screen and paper agree.
class PageItemPainter {
public:
    static void paint(QPainter& painter, const PageItem& item);

    // The area the item paints on: its box, or for a line the span of its stroke.
    static QRectF bounds(const PageItem& item);
};
