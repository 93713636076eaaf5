#pragma once

#include "core/StaircaseState.h"
#include "page/Page.h"

#include <initializer_list>
#include <utility>

// Rankings best first; TotalPlayers is their sum plus the qualifiers, as after a search.
inline void SetRankings(StaircaseState& state,
                        std::initializer_list<std::pair<const char*, int>> rows, int qualifiersOut,
                        int qualifiersIn = 0) {
    state.ResetStaircase();
    int row = 1;
    int total = qualifiersIn;
    for (const auto& [name, count] : rows) {
        state.Rankings[row].Name = QString::fromUtf8(name);
        state.Rankings[row].Count = count;
        total += count;
        ++row;
    }
    state.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
    state.QualifiersIn = static_cast<std::int16_t>(qualifiersIn);
    state.TotalPlayers = static_cast<std::int16_t>(total);
}

inline StaircaseSolution Matches(std::initializer_list<int> figures) {
    StaircaseSolution result;
    std::size_t at = 0;
    for (int figure : figures) {
        result.Matches[at++] = static_cast<std::int16_t>(figure);
    }
    return result;
}

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
