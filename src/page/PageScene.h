#pragma once

#include "PageObserver.h"

#include <QGraphicsScene>
#include <QHash>

class Page;
class PageGraphicsItem;

// A graphics scene that mirrors a page: every item added, changed or removed on the page
// is added, changed or removed here at once. Items are stacked in page order and found
// by name through a hash, so pages of thousands of items stay quick.
class PageScene : public QGraphicsScene, private PageObserver {
    Q_OBJECT

public:
    explicit PageScene(Page& page, QObject* parent = nullptr);
    ~PageScene() override;

    Page& page() const { return page_; }
    PageGraphicsItem* item(const QString& name) const { return byName_.value(name); }
    int itemCount() const { return static_cast<int>(byName_.size()); }
    // The name of the topmost visible item at a point of the page; empty when none.
    QString nameAt(const QPointF& point) const;

private:
    void itemAdded(const PageItem& item) override;
    void itemChanged(const PageItem& item) override;
    void itemRemoved(const QString& name) override;
    void pageCleared() override;
    void batchStarted() override;
    void batchEnded() override;
    void include(const PageGraphicsItem& item);

    // An explicit scene rectangle even when empty: a null one lets the scene pick its own.
    static constexpr QRectF EmptyExtent{0, 0, 1, 1};

    Page& page_;
    QHash<QString, PageGraphicsItem*> byName_;
    qreal nextZ_ = 0;
    QRectF extent_ = EmptyExtent;
    // While a batch of changes runs, the extent grows without telling the views, which
    // would lay their scroll bars out again for every item.
    bool holdingExtent_ = false;
};
