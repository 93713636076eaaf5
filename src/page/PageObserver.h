#pragma once

#include <QString>

struct PageItem;

// Told of every change of a page, so that a renderer can mirror it.
class PageObserver {
public:
    virtual ~PageObserver() = default;
    virtual void itemAdded(const PageItem& item) = 0;
    virtual void itemChanged(const PageItem& item) = 0;
    virtual void itemRemoved(const QString& name) = 0;
    virtual void pageCleared() = 0;
    // Many changes follow, then their end: what depends on the whole page can wait.
    virtual void batchStarted() {}
    virtual void batchEnded() {}
};
