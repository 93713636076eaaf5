#include "PageView.h"

#include "PageGraphicsItem.h"
#include "PageScene.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

PageView::PageView(Page& page, QWidget* parent)
    : QGraphicsView(parent), scene_(new PageScene(page, this)) {
    setScene(scene_);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void PageView::setZoom(qreal factor) {
    zoom_ = factor;
    setTransform(QTransform::fromScale(factor, factor));
}

void PageView::setWheelStep(int pixels) {
    wheelStep_ = pixels;
    if (pixels > 0) {
        verticalScrollBar()->setSingleStep(pixels);
    }
}

QString PageView::nameAt(const QPoint& viewportPoint) const {
    return scene_->nameAt(mapToScene(viewportPoint));
}

void PageView::mousePressEvent(QMouseEvent* event) {
    pressed_ = nameAt(event->position().toPoint());
    pressPoint_ = event->position().toPoint();
    pressButton_ = event->button();
    pressing_ = true;
    dragging_ = false;
    event->accept();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const QString name = nameAt(point);
    hover(name);
    if (pressing_ && !dragging_ && pressButton_ == Qt::LeftButton && !pressed_.isEmpty()) {
        const PageGraphicsItem* source = scene_->item(pressed_);
        // The drag starts only once the mouse has gone the system's threshold, so that
        // a shaky click stays a click.
        if (source != nullptr && source->pageItem().draggable &&
            (point - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            emit dragStarted(pressed_);
        }
    }
    if (dragging_) {
        viewport()->setCursor(accepts(name) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    }
    event->accept();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressing_ || event->button() != pressButton_) {
        return;
    }
    const QString name = nameAt(event->position().toPoint());
    const QString source = pressed_;
    const bool dragged = dragging_;
    pressing_ = false;
    dragging_ = false;
    event->accept();
    if (dragged) {
        showCursorOf(name);
        if (accepts(name)) {
            emit itemDropped(source, name);
        } else {
            emit dragCancelled(source);
        }
    } else if (name == source) {
        emit itemClicked(name, event->button());
    }
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        emit itemDoubleClicked(nameAt(event->position().toPoint()));
    }
}

void PageView::wheelEvent(QWheelEvent* event) {
    const int turned =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->pixelDelta().y();
    if (wheelStep_ <= 0 || turned == 0) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (turned > 0 ? -wheelStep_ : wheelStep_));
    event->accept();
}

void PageView::leaveEvent(QEvent* event) {
    hover(QString());
    QGraphicsView::leaveEvent(event);
}

void PageView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    emit keyPressed(event->key(), event->modifiers(), event->text());
}

void PageView::hover(const QString& name) {
    if (name == hovered_) {
        return;
    }
    const QString previous = hovered_;
    hovered_ = name;
    if (!dragging_) {
        showCursorOf(name);
    }
    if (!previous.isEmpty()) {
        emit itemLeft(previous);
    }
    if (!name.isEmpty()) {
        emit itemEntered(name);
    }
}

bool PageView::accepts(const QString& target) const {
    if (target.isEmpty() || target == pressed_) {
        return false;
    }
    return !dropFilter_ || dropFilter_(pressed_, target);
}

void PageView::showCursorOf(const QString& name) {
    const PageGraphicsItem* item = scene_->item(name);
    viewport()->setCursor(item != nullptr ? item->pageItem().cursor : Qt::ArrowCursor);
}
