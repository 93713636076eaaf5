#pragma once

#include "common/StaircaseInputs.h"
#include "page/Page.h"

// The labels of a page whose text is `text`, in page order.
inline QList<const PageItem*> LabelsWithText(const Page& page, const QString& text) {
    QList<const PageItem*> found;
    for (const PageItem* item : page.items()) {
        if (item->kind == PageItem::Kind::Label && item->text == text) {
            found.append(item);
        }
    }
    return found;
}

inline const PageItem* LabelAt(const Page& page, int top, int left) {
    for (const PageItem* item : page.items()) {
        if (item->kind == PageItem::Kind::Label && item->top == top && item->left == left) {
            return item;
        }
    }
    return nullptr;
}
