#pragma once

#include "PageItem.h"

#include <QGraphicsItem>

// The on-screen twin of one page item: placed at the item's corner, drawn by the same
// code that paints pages on paper, with the item's hint as tool tip.
class PageGraphicsItem : public QGraphicsItem {
public:
    explicit PageGraphicsItem(const PageItem& item);

    const PageItem& pageItem() const { return item_; }
    void setPageItem(const PageItem& item);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    PageItem item_;
    QRectF bounds_;  // in item coordinates
};
