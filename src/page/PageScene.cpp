#include "PageScene.h"

#include "Page.h"
#include "PageGraphicsItem.h"

PageScene::PageScene(Page& page, QObject* parent) : QGraphicsScene(parent), page_(page) {
    setSceneRect(extent_);
    for (const PageItem* item : page.items()) {
        itemAdded(*item);
    }
    page_.setObserver(this);
}

PageScene::~PageScene() {
    page_.setObserver(nullptr);
}

QString PageScene::nameAt(const QPointF& point) const {
    for (QGraphicsItem* found : items(point, Qt::IntersectsItemShape, Qt::DescendingOrder)) {
        if (found->isVisible()) {
            return static_cast<PageGraphicsItem*>(found)->pageItem().name;
        }
    }
    return QString();
}

void PageScene::itemAdded(const PageItem& item) {
    auto* graphics = new PageGraphicsItem(item);
    graphics->setZValue(nextZ_++);
    addItem(graphics);
    byName_.insert(item.name, graphics);
    include(*graphics);
}

void PageScene::itemChanged(const PageItem& item) {
    PageGraphicsItem* graphics = byName_.value(item.name);
    if (graphics == nullptr) {
        itemAdded(item);
        return;
    }
    graphics->setPageItem(item);
    include(*graphics);
}

void PageScene::itemRemoved(const QString& name) {
    delete byName_.take(name);
}

void PageScene::pageCleared() {
    byName_.clear();
    clear();
    nextZ_ = 0;
    extent_ = EmptyExtent;
    setSceneRect(extent_);
}

// The scrollable area runs from the page's top left corner to the farthest visible item
// shown since the last clearing: it grows with the page and does not jump back while
// items are moved or removed.
void PageScene::include(const PageGraphicsItem& item) {
    if (!item.isVisible()) {
        return;
    }
    const QRectF grown =
        extent_.united(QRectF(QPointF(0, 0), item.sceneBoundingRect().bottomRight()));
    if (grown != extent_) {
        extent_ = grown;
        if (!holdingExtent_) {
            setSceneRect(extent_);
        }
    }
}

void PageScene::batchStarted() {
    holdingExtent_ = true;
}

void PageScene::batchEnded() {
    holdingExtent_ = false;
    setSceneRect(extent_);
}
