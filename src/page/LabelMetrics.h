#pragma once

#include "PageItem.h"

#include <QFont>
#include <QRect>
#include <QSize>

// The text metrics of page labels. Page geometry is in pixels of 1/96 inch, so a font's
// point size becomes a pixel size at 96 dpi (8 points: 11 pixels, as on a 96-dpi screen):
// a label then measures and draws the same on every screen, printer and image.
class LabelMetrics {
public:
    static QFont font(const PageFont& pageFont);
    static int pixelSize(int pointSize);

    // The size of a label fitted to its text, as a label that sizes itself: the widest
    // line by the height of the lines. An empty text measures as one space, so an empty
    // auto-sized label keeps the height of its font and can still be clicked.
    static QSize fittedSize(const PageFont& pageFont, const QString& text);

    // Where an item stands on its page: a label of width or height 0 takes the fitted
    // width or height; shapes keep their geometry.
    static QRect box(const PageItem& item);
};
