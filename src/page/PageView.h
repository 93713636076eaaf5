#pragma once

#include <QGraphicsView>
#include <QPoint>
#include <QString>

#include <functional>

class Page;
class PageScene;

// Shows a page in a scrollable view and reports what the user does to its items, by
// name: clicks (left and right), double clicks, drags from one item to another, the
// mouse entering and leaving an item, and key presses. An empty name stands for the
// page's background. Each item shows its own cursor and its hint as tool tip.
class PageView : public QGraphicsView {
    Q_OBJECT

public:
    // Decides whether the item dragged may be dropped on the item under the mouse.
    using DropFilter = std::function<bool(const QString& source, const QString& target)>;

    explicit PageView(Page& page, QWidget* parent = nullptr);

    PageScene& pageScene() const { return *scene_; }

    // Scales the page and its items; 1 shows a page pixel as a screen pixel.
    void setZoom(qreal factor);
    qreal zoom() const { return zoom_; }

    // Each wheel event scrolls the page by this many pixels, up or down, however far the
    // wheel turned; the scroll bar's arrows step as far. 0 keeps the platform's scrolling.
    void setWheelStep(int pixels);

    // Without a filter, any item may take a drop but the one dragged.
    void setDropFilter(DropFilter filter) { dropFilter_ = std::move(filter); }

    // The topmost visible item under a point of the view's viewport.
    QString nameAt(const QPoint& viewportPoint) const;

signals:
    void itemClicked(const QString& name, Qt::MouseButton button);
    void itemDoubleClicked(const QString& name);
    void dragStarted(const QString& source);
    void itemDropped(const QString& source, const QString& target);
    // A drag released where no item takes it.
    void dragCancelled(const QString& source);
    void itemEntered(const QString& name);
    void itemLeft(const QString& name);
    // Every key goes to the window: the view does not scroll by keyboard.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers, const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void hover(const QString& name);
    bool accepts(const QString& target) const;
    void showCursorOf(const QString& name);

    PageScene* scene_;
    qreal zoom_ = 1.0;
    DropFilter dropFilter_;
    int wheelStep_ = 0;
    QString hovered_;
    // The press that may become a click or a drag.
    QString pressed_;
    QPoint pressPoint_;
    Qt::MouseButton pressButton_ = Qt::NoButton;
    bool pressing_ = false;
    bool dragging_ = false;
};
