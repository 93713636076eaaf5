#include "StaircasePictures.h"

#include "widgets/ToolPictures.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// A green arrow pointing left (-1) or right (+1).
QIcon arrow(int direction) {
    return ToolPictures::Drawn([direction](QPainter& painter) {
        painter.translate(8, 8);
        painter.scale(direction, 1);
        painter.setPen(ToolPictures::Pen(QColor(20, 90, 30)));
        painter.setBrush(QColor(60, 170, 70));
        painter.drawPolygon(
            QPolygonF({{-6, -1.8}, {1, -1.8}, {1, -6}, {7, 0}, {1, 6}, {1, 1.8}, {-6, 1.8}}));
    });
}

}  // namespace

QIcon StaircasePictures::Previous() {
    return arrow(-1);
}

QIcon StaircasePictures::Next() {
    return arrow(1);
}

QIcon StaircasePictures::Skeleton() {
    return ToolPictures::Drawn([](QPainter& painter) {
        // Four lines meeting two by two, then in one: a draw.
        painter.setPen(ToolPictures::Pen(QColor(30, 30, 120), 1.2));
        for (const qreal y : {2.5, 6.5, 9.5, 13.5}) {
            painter.drawLine(QPointF(1.5, y), QPointF(6, y));
        }
        painter.drawLine(QPointF(6, 2.5), QPointF(6, 6.5));
        painter.drawLine(QPointF(6, 9.5), QPointF(6, 13.5));
        painter.drawLine(QPointF(6, 4.5), QPointF(10.5, 4.5));
        painter.drawLine(QPointF(6, 11.5), QPointF(10.5, 11.5));
        painter.drawLine(QPointF(10.5, 4.5), QPointF(10.5, 11.5));
        painter.drawLine(QPointF(10.5, 8), QPointF(14.5, 8));
    });
}
