#include "EntryPage.h"

#include "EntryLabelText.h"
#include "EntryNames.h"
#include "core/StaircaseState.h"
#include "page/Page.h"

void EntryPage::refuse(const QString& message) {
    throw Refused{message};
}

bool EntryPage::contains(const QString& name) const {
    return page_.contains(name);
}

const PageItem* EntryPage::item(const QString& name) const {
    return name.isEmpty() ? nullptr : page_.find(name);
}

QString EntryPage::text(const QString& name) const {
    const PageItem* found = item(name);
    return found == nullptr ? QString() : found->text;
}

int EntryPage::number(const QString& name) const {
    return EntryLabelText::first(text(name)).value_or(0);
}

int EntryPage::total(const QString& name) const {
    return EntryLabelText::total(text(name)).value_or(0);
}

void EntryPage::add(const PageItem& item) {
    page_.add(item);
    changed_ = true;
}

bool EntryPage::remove(const QString& name) {
    const bool removed = page_.remove(name);
    changed_ = changed_ || removed;
    return removed;
}

void EntryPage::setText(const QString& name, const QString& newText) {
    page_.change(name, [&newText](PageItem& label) { label.text = newText; });
    changed_ = true;
}

void EntryPage::setPool(const QString& name, int placed, int poolTotal) {
    if (!EntryLabelText::fits(placed)) {
        refuse(EntryLabelText::RangeMessage());
    }
    setText(name, EntryLabelText::poolWithRanking(placed, poolTotal,
                                                  EntryLabelText::ranking(text(name))));
}

void EntryPage::setLine(const QString& name, int count) {
    if (!EntryLabelText::fits(count)) {
        refuse(EntryLabelText::RangeMessage());
    }
    setText(name, EntryLabelText::line(count, EntryLabelText::ranking(text(name))));
}

void EntryPage::colour(const QString& name, bool green) {
    page_.change(name, [green](PageItem& label) {
        label.textColor = green ? QColor(0, 128, 0) : QColor(0, 0, 0);
        label.cursor = green ? Qt::PointingHandCursor : Qt::ForbiddenCursor;
    });
}

QStringList EntryPage::linesOf(int tour) const {
    QStringList lines;
    for (int row = 1; row <= MaxRows; ++row) {
        const QString name = EntryNames::line(tour, row);
        if (page_.contains(name)) {
            lines.append(name);
        }
    }
    return lines;
}

bool EntryPage::rankedAllPlaced() const {
    for (int i = 1; i <= StaircaseState::RankingCount; ++i) {
        const QString name = EntryNames::pool(i);
        if (page_.contains(name) && number(name) < total(name)) {
            return false;
        }
    }
    return true;
}

QList<PageItem> EntryPage::snapshot() const {
    QList<PageItem> items;
    for (const PageItem* each : page_.items()) {
        items.append(*each);
    }
    return items;
}

void EntryPage::restore(const QList<PageItem>& items) {
    Page::Batch batch(page_);
    page_.clear();
    for (const PageItem& each : items) {
        page_.add(each);
    }
}
