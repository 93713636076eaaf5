#include "Page.h"

#include "PageObserver.h"

#include <algorithm>

Page::Batch::Batch(Page& page) : page_(page) {
    if (page_.batchDepth_++ == 0 && page_.observer_ != nullptr) {
        page_.observer_->batchStarted();
    }
}

Page::Batch::~Batch() {
    if (--page_.batchDepth_ == 0 && page_.observer_ != nullptr) {
        page_.observer_->batchEnded();
    }
}

QString Page::add(PageItem item) {
    if (item.name.isEmpty()) {
        do {
            item.name = QStringLiteral("#%1").arg(++nextAnonymous_);
        } while (byName_.contains(item.name));
    }
    note(item.name);
    const auto existing = byName_.constFind(item.name);
    if (existing != byName_.cend()) {
        PageItem& stored = items_.at(existing.value());
        stored = std::move(item);
        if (observer_ != nullptr) {
            observer_->itemChanged(stored);
        }
        return stored.name;
    }
    const quint64 order = nextOrder_++;
    byName_.insert(item.name, order);
    const PageItem& stored = items_.emplace(order, std::move(item)).first->second;
    if (observer_ != nullptr) {
        observer_->itemAdded(stored);
    }
    return stored.name;
}

const PageItem* Page::find(const QString& name) const {
    const auto found = byName_.constFind(name);
    return found == byName_.cend() ? nullptr : &items_.at(found.value());
}

bool Page::change(const QString& name, const std::function<void(PageItem&)>& edit) {
    const auto found = byName_.constFind(name);
    if (found == byName_.cend()) {
        return false;
    }
    note(name);
    PageItem& item = items_.at(found.value());
    edit(item);
    item.name = name;  // the name is the key: an edit cannot change it
    if (observer_ != nullptr) {
        observer_->itemChanged(item);
    }
    return true;
}

bool Page::remove(const QString& name) {
    const auto found = byName_.find(name);
    if (found == byName_.end()) {
        return false;
    }
    note(name);
    items_.erase(found.value());
    byName_.erase(found);
    if (observer_ != nullptr) {
        observer_->itemRemoved(name);
    }
    return true;
}

void Page::clear() {
    if (journal_ != nullptr) {
        for (const auto& [order, item] : items_) {
            note(item.name);
        }
    }
    items_.clear();
    byName_.clear();
    if (observer_ != nullptr) {
        observer_->pageCleared();
    }
}

void Page::note(const QString& name) {
    if (journal_ == nullptr || journal_->contains(name)) {
        return;
    }
    const PageItem* item = find(name);
    journal_->insert(name, item != nullptr ? std::optional<PageItem>(*item) : std::nullopt);
}

QList<const PageItem*> Page::items() const {
    QList<const PageItem*> all;
    all.reserve(static_cast<qsizetype>(items_.size()));
    for (const auto& [order, item] : items_) {
        all.append(&item);
    }
    return all;
}

QStringList Page::names(const QString& prefix) const {
    QStringList all;
    for (const auto& [order, item] : items_) {
        if (item.name.startsWith(prefix)) {
            all.append(item.name);
        }
    }
    return all;
}

QSize Page::extent() const {
    int right = 0;
    int bottom = 0;
    for (const auto& [order, item] : items_) {
        if (item.visible) {
            right = std::max(right, item.left + std::max(item.width, 0));
            bottom = std::max(bottom, item.top + std::max(item.height, 0));
        }
    }
    return QSize(right, bottom);
}
