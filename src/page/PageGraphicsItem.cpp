#include "PageGraphicsItem.h"

#include "PageItemPainter.h"

#include <QPainter>

PageGraphicsItem::PageGraphicsItem(const PageItem& item) {
    setPageItem(item);
}

void PageGraphicsItem::setPageItem(const PageItem& item) {
    prepareGeometryChange();
    item_ = item;
    setPos(item.left, item.top);
    bounds_ = PageItemPainter::bounds(item).translated(-item.left, -item.top);
    setVisible(item.visible);
    setToolTip(item.showHint ? item.hint : QString());
    update();
}

QRectF PageGraphicsItem::boundingRect() const {
    return bounds_;
}

void PageGraphicsItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->translate(-item_.left, -item_.top);
    PageItemPainter::paint(*painter, item_);
}
