#include "PageItemPainter.h"

#include "LabelMetrics.h"
#include "PageItem.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

int textFlags(const PageItem& item) {
    int flags = static_cast<int>(item.alignment);
    if (item.wordWrap) {
        flags |= Qt::TextWordWrap;
    }
    return flags;
}

void paintLabel(QPainter& painter, const PageItem& item) {
    const QRect box = LabelMetrics::box(item);
    if (item.background.isValid() && !item.transparent) {
        painter.fillRect(box, item.background);
    }
    if (item.frameColor.isValid()) {
        painter.setPen(QPen(item.frameColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.setFont(LabelMetrics::font(item.font));
    painter.setPen(item.textColor);
    // A label shows only what fits in its box, as a control clips its own drawing.
    painter.setClipRect(box, Qt::IntersectClip);
    const QRect textBox = item.frameColor.isValid() ? box.adjusted(5, 3, -5, -3) : box;
    painter.drawText(textBox, textFlags(item), item.text);
}

// Outlines stay inside the box: the stroke is centred half a pen inside its edges.
QRectF outlineRect(const PageItem& item) {
    const qreal half = item.penWidth / 2.0;
    return QRectF(item.box()).adjusted(half, half, -half, -half);
}

QPen outlinePen(const PageItem& item) {
    QPen pen(item.penColor, std::max(item.penWidth, 1));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void paintCircle(QPainter& painter, const PageItem& item) {
    // A circle as large as the box's shorter side, centred in it.
    const QRectF outline = outlineRect(item);
    const qreal diameter = std::min(outline.width(), outline.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(outline.center());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outlinePen(item));
    painter.setBrush(item.brushColor.isValid() ? QBrush(item.brushColor) : QBrush());
    painter.drawEllipse(circle);
}

// A bar thinner than a device pixel (a one-pixel segment zoomed out, or one whose
// rounded edges met) is drawn with a cosmetic pen, one device pixel wide at any scale,
// so that no line vanishes from a page shown small; the item's geometry stays as it is.
void paintBar(QPainter& painter, const PageItem& item) {
    const QRectF box(item.box());
    const QRectF device = painter.transform().mapRect(box);
    if (device.width() >= 1 && device.height() >= 1) {
        painter.fillRect(box, item.penColor);
        return;
    }
    QPen cosmetic(item.penColor, 0);
    cosmetic.setCapStyle(Qt::FlatCap);
    painter.setPen(cosmetic);
    const QPointF centre = box.center();
    if (device.width() < 1 && device.height() < 1) {
        painter.drawPoint(centre);
    } else if (device.height() < 1) {
        painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
    } else {
        painter.drawLine(QPointF(centre.x(), box.top()), QPointF(centre.x(), box.bottom()));
    }
}

}  // namespace

void PageItemPainter::paint(QPainter& painter, const PageItem& item) {
    if (!item.visible) {
        return;
    }
    painter.save();
    switch (item.kind) {
        case PageItem::Kind::Label:
            paintLabel(painter, item);
            break;
        case PageItem::Kind::Bar:
            paintBar(painter, item);
            break;
        case PageItem::Kind::Line:
            painter.setPen(outlinePen(item));
            painter.drawLine(QPointF(item.left, item.top),
                             QPointF(item.left + item.width, item.top + item.height));
            break;
        case PageItem::Kind::Rectangle:
            painter.setPen(outlinePen(item));
            painter.setBrush(item.brushColor.isValid() ? QBrush(item.brushColor) : QBrush());
            painter.drawRect(outlineRect(item));
            break;
        case PageItem::Kind::Circle:
            paintCircle(painter, item);
            break;
    }
    painter.restore();
}

QRectF PageItemPainter::bounds(const PageItem& item) {
    if (item.kind == PageItem::Kind::Bar) {
        // Room for the cosmetic pen of a bar without thickness.
        const qreal across = item.height == 0 ? 0.5 : 0.0;
        const qreal along = item.width == 0 ? 0.5 : 0.0;
        return QRectF(item.box()).adjusted(-along, -across, along, across);
    }
    if (item.kind != PageItem::Kind::Line) {
        return QRectF(LabelMetrics::box(item));
    }
    const qreal half = std::max(item.penWidth, 1) / 2.0;
    return QRectF(QPointF(item.left, item.top),
                  QPointF(item.left + item.width, item.top + item.height))
        .normalized()
        .adjusted(-half, -half, half, half);
}
