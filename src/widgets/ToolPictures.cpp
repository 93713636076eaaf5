#include "ToolPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

void drawDisk(QPainter& painter) {
    painter.setPen(ToolPictures::Pen(QColor(20, 40, 110)));
    painter.setBrush(QColor(45, 85, 185));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.2, 1.2);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRect(QRectF(4, 2, 8, 5));  // the label
    painter.setBrush(QColor(190, 195, 205));
    painter.drawRect(QRectF(4.5, 9.5, 7, 5));  // the shutter
    painter.setBrush(QColor(45, 85, 185));
    painter.drawRect(QRectF(9, 10.5, 1.5, 3));
}

}  // namespace

QIcon ToolPictures::Drawn(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ToolPictures::Open() {
    return Drawn([](QPainter& painter) {
        painter.setPen(ToolPictures::Pen(QColor(150, 105, 10)));
        painter.setBrush(QColor(230, 180, 60));
        painter.drawPolygon(
            QPolygonF{{1, 3}, {6, 3}, {7.5, 4.5}, {13, 4.5}, {13, 13.5}, {1, 13.5}});
        painter.setBrush(QColor(250, 215, 110));
        painter.drawPolygon(QPolygonF{{3.5, 7}, {15.5, 7}, {13, 13.5}, {1, 13.5}});
    });
}

QIcon ToolPictures::Save() {
    return Drawn(drawDisk);
}

QIcon ToolPictures::SaveAs() {
    return Drawn([](QPainter& painter) {
        painter.save();
        painter.scale(0.8, 0.8);
        drawDisk(painter);
        painter.restore();
        // A pencil across the corner: saved under another name.
        painter.setPen(ToolPictures::Pen(QColor(90, 60, 20)));
        painter.setBrush(QColor(240, 190, 70));
        painter.drawPolygon(QPolygonF{{9, 14}, {9.6, 11.4}, {14.4, 6.6}, {16, 8.2}, {11.2, 13}});
        painter.setBrush(QColor(60, 60, 60));
        painter.drawPolygon(QPolygonF{{9, 14}, {9.6, 11.4}, {11.2, 13}});
    });
}

QIcon ToolPictures::Quit() {
    return Drawn([](QPainter& painter) {
        // An open door and an arrow leaving through it.
        painter.setPen(ToolPictures::Pen(QColor(80, 50, 25)));
        painter.setBrush(QColor(160, 110, 60));
        painter.drawRect(QRectF(1.5, 1.5, 8, 13));
        painter.setBrush(QColor(120, 75, 35));
        painter.drawPolygon(QPolygonF{{1.5, 1.5}, {5.5, 3}, {5.5, 15.5}, {1.5, 14.5}});
        const QPen arrow = ToolPictures::Pen(QColor(200, 30, 30), 2.0);
        painter.setPen(arrow);
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(7.5, 8), QPointF(14.5, 8));
        painter.drawPolyline(QPolygonF{{11.5, 5}, {14.5, 8}, {11.5, 11}});
    });
}

QPixmap ToolPictures::Logo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    QRadialGradient felt(QPointF(38, 35), 65);
    felt.setColorAt(0, QColor(238, 250, 120));
    felt.setColorAt(1, QColor(170, 200, 30));
    painter.setPen(QPen(QColor(120, 145, 20), 2));
    painter.setBrush(felt);
    painter.drawEllipse(QRectF(4, 4, 92, 92));
    // The two seams of a ball curve in from opposite sides.
    QPainterPath seams;
    seams.moveTo(20, 14);
    seams.cubicTo(44, 34, 44, 66, 20, 86);
    seams.moveTo(80, 14);
    seams.cubicTo(56, 34, 56, 66, 80, 86);
    painter.setPen(QPen(QColor(255, 255, 255), 5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.setClipPath([] {
        QPainterPath ball;
        ball.addEllipse(QRectF(5, 5, 90, 90));
        return ball;
    }());
    painter.drawPath(seams);
    return pixmap;
}

QIcon ToolPictures::Print() {
    return Drawn([](QPainter& painter) {
        painter.setPen(Pen(QColor(60, 60, 70), 1));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));  // the sheet going in
        painter.setBrush(QColor(150, 155, 165));
        painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawRect(QRectF(4.5, 9.5, 7, 5));  // the sheet coming out
        painter.setPen(Pen(QColor(60, 60, 70)));
        painter.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
        painter.drawLine(QPointF(6, 13), QPointF(10, 13));
    });
}

QIcon ToolPictures::Accept() {
    return Drawn([](QPainter& painter) {
        painter.setPen(Pen(QColor(20, 130, 40), 2.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
    });
}

QIcon ToolPictures::Help() {
    return Drawn([](QPainter& painter) {
        painter.setPen(Pen(QColor(20, 60, 150), 1));
        painter.setBrush(QColor(50, 110, 210));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QPen ToolPictures::Pen(const QColor& color, qreal width) {
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}
