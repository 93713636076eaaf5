#include "BracketPictures.h"

#include "widgets/ToolPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A magnifying glass with a plus or a minus in its lens.
QIcon magnifier(bool plus) {
    return ToolPictures::Drawn([plus](QPainter& painter) {
        painter.setPen(ToolPictures::Pen(QColor(60, 60, 70), 1.6));
        painter.setBrush(QColor(225, 240, 255));
        painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        painter.setPen(ToolPictures::Pen(QColor(90, 60, 30), 2.6));
        painter.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
        painter.setPen(ToolPictures::Pen(QColor(20, 70, 170), 1.5));
        painter.drawLine(QPointF(3.8, 6), QPointF(8.2, 6));
        if (plus) {
            painter.drawLine(QPointF(6, 3.8), QPointF(6, 8.2));
        }
    });
}

// A small bracket: four lines joined two by two, then one.
void drawBracket(QPainter& painter, const QColor& color) {
    painter.setPen(ToolPictures::Pen(color, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{{1.5, 2.5}, {6, 2.5}, {6, 6.5}, {1.5, 6.5}});
    painter.drawPolyline(QPolygonF{{1.5, 9.5}, {6, 9.5}, {6, 13.5}, {1.5, 13.5}});
    painter.drawPolyline(QPolygonF{{6, 4.5}, {10.5, 4.5}, {10.5, 11.5}, {6, 11.5}});
    painter.drawLine(QPointF(10.5, 8), QPointF(14.5, 8));
}

void drawCheck(QPainter& painter, const QColor& color, qreal width) {
    painter.setPen(ToolPictures::Pen(color, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{{3, 8.5}, {6.5, 12}, {13.5, 3.5}});
}

// A curved arrow turning back to the left (undo) or on to the right (redo).
QIcon turningArrow(bool back) {
    return ToolPictures::Drawn([back](QPainter& painter) {
        if (!back) {
            painter.translate(16, 0);
            painter.scale(-1, 1);
        }
        painter.setPen(ToolPictures::Pen(QColor(30, 90, 170), 1.8));
        painter.setBrush(Qt::NoBrush);
        QPainterPath path(QPointF(4, 6));
        path.cubicTo(QPointF(9, 2), QPointF(15, 5), QPointF(12.5, 12.5));
        painter.drawPath(path);
        painter.setBrush(QColor(30, 90, 170));
        painter.drawPolygon(QPolygonF{{1.5, 6}, {6, 2.5}, {6.5, 8.5}});
    });
}

}  // namespace

QIcon BracketPictures::ZoomIn() {
    return magnifier(true);
}

QIcon BracketPictures::ZoomOut() {
    return magnifier(false);
}

QIcon BracketPictures::Properties() {
    return ToolPictures::Drawn([](QPainter& painter) {
        painter.setPen(ToolPictures::Pen(QColor(70, 70, 80), 1));
        painter.setBrush(QColor(250, 250, 245));
        painter.drawRect(QRectF(1.5, 1.5, 13, 13));
        painter.setPen(ToolPictures::Pen(QColor(40, 90, 180), 1.2));
        for (const qreal y : {4.5, 8.0, 11.5}) {
            painter.drawLine(QPointF(7, y), QPointF(12.5, y));
        }
        painter.setBrush(QColor(40, 90, 180));
        for (const qreal y : {4.5, 8.0, 11.5}) {
            painter.drawEllipse(QPointF(4.2, y), 1.1, 1.1);
        }
    });
}

QIcon BracketPictures::ClearPlayers() {
    return ToolPictures::Drawn([](QPainter& painter) {
        drawBracket(painter, QColor(90, 90, 100));
        painter.setPen(ToolPictures::Pen(QColor(200, 30, 30), 2));
        painter.drawLine(QPointF(8.5, 8.5), QPointF(14.5, 14.5));
        painter.drawLine(QPointF(14.5, 8.5), QPointF(8.5, 14.5));
    });
}

QIcon BracketPictures::Redisplay() {
    return ToolPictures::Drawn([](QPainter& painter) {
        painter.setPen(ToolPictures::Pen(QColor(30, 120, 60), 1.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 290 * 16);
        painter.setBrush(QColor(30, 120, 60));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(QPolygonF{{9.5, 0.8}, {14.2, 3.4}, {9.8, 6.2}});
    });
}

QIcon BracketPictures::Rules() {
    return ToolPictures::Drawn([](QPainter& painter) {
        drawBracket(painter, QColor(90, 90, 100));
        drawCheck(painter, QColor(20, 140, 40), 2.2);
    });
}

QIcon BracketPictures::Undo() {
    return turningArrow(true);
}

QIcon BracketPictures::Redo() {
    return turningArrow(false);
}
