#include "StaircasePictures.h"

#include "app/ToolPictures.h"

#include <QPainter>
#include <QPolygonF>

namespace {

QPen outline(const QColor& color, qreal width = 0.8) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A green arrow pointing left (-1) or right (+1).
QIcon arrow(int direction) {
    return ToolPictures::Drawn([direction](QPainter& painter) {
        painter.translate(8, 8);
        painter.scale(direction, 1);
        painter.setPen(outline(QColor(20, 90, 30)));
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
        painter.setPen(outline(QColor(30, 30, 120), 1.2));
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

QIcon StaircasePictures::Print() {
    return ToolPictures::Drawn([](QPainter& painter) {
        painter.setPen(outline(QColor(60, 60, 60)));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));  // the sheet going in
        painter.setBrush(QColor(170, 170, 175));
        painter.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1, 1);
        painter.setBrush(QColor(250, 250, 250));
        painter.drawRect(QRectF(4.5, 10, 7, 4.5));  // the sheet coming out
        painter.setPen(outline(QColor(120, 120, 120), 0.6));
        painter.drawLine(QPointF(6, 12), QPointF(10, 12));
    });
}

QIcon StaircasePictures::Accept() {
    return ToolPictures::Drawn([](QPainter& painter) {
        painter.setPen(outline(QColor(20, 130, 40), 2.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
    });
}

QIcon StaircasePictures::Help() {
    return ToolPictures::Drawn([](QPainter& painter) {
        painter.setPen(outline(QColor(20, 50, 140)));
        painter.setBrush(QColor(60, 110, 210));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
    });
}
