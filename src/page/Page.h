#pragma once

#include "PageItem.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class PageObserver;

// A page of named, positioned labels and shapes, in the order they were added (later
// items are drawn over earlier ones). Layout algorithms write into it, tests read it,
// renderers mirror it on screen or paint it on paper. Finding, changing and removing an
// item by name cost O(log n), so pages of thousands of items stay quick.
class Page {
public:
    // Groups the changes made during its lifetime: the observer hears when they start
    // and when they end, so that a renderer settles the page's extent once.
    class Batch {
    public:
        explicit Batch(Page& page);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Page& page_;
    };

    Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Adds an item and returns its name. An item without a name gets a unique one
    // ("#" and a number); an item named like one already there replaces it, in place.
    QString add(PageItem item);

    const PageItem* find(const QString& name) const;
    bool contains(const QString& name) const { return byName_.contains(name); }
    // Runs edit on the named item and tells the observer; false when there is none.
    bool change(const QString& name, const std::function<void(PageItem&)>& edit);
    bool remove(const QString& name);
    void clear();

    int count() const { return static_cast<int>(items_.size()); }
    QList<const PageItem*> items() const;
    // The names that start with prefix, in page order.
    QStringList names(const QString& prefix = QString()) const;
    // The smallest size from the top left corner that holds every visible item.
    QSize extent() const;

    void setObserver(PageObserver* observer) { observer_ = observer; }

    // What items were before their first change since the journal was set (none for an
    // item that did not exist): an edit learns what it changed without comparing whole
    // pages. No journal: nullptr.
    using Journal = QHash<QString, std::optional<PageItem>>;
    void setJournal(Journal* journal) { journal_ = journal; }

private:
    std::map<quint64, PageItem> items_;  // by order of addition
    QHash<QString, quint64> byName_;
    quint64 nextOrder_ = 0;
    quint64 nextAnonymous_ = 0;
    void note(const QString& name);

    PageObserver* observer_ = nullptr;
    Journal* journal_ = nullptr;
    int batchDepth_ = 0;
};
