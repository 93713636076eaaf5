#pragma once

#include "common/StaircaseInputs.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "page/Page.h"
#include "staircase/StaircaseEntry.h"
#include "staircase/StaircaseViewLogic.h"

#include <gtest/gtest.h>

// A staircase view's page with an entry started on it, and the prompter that hears its
// messages.
class EntryScreen : public ::testing::Test {
protected:
    void start(std::initializer_list<std::pair<const char*, int>> rows, int qualifiersOut,
               int qualifiersIn = 0) {
        SetRankings(state, rows, qualifiersOut, qualifiersIn);
        state.Couples = static_cast<std::int16_t>(qualifiersIn);
        state.ManualEntry = true;
        entry.Saisirunescalier1Click();
    }

    QString text(const QString& name) const {
        const PageItem* item = page.find(name);
        return item == nullptr ? QStringLiteral("(none)") : item->text;
    }
    const PageItem& item(const QString& name) const {
        const PageItem* found = page.find(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        static const PageItem none;
        return found == nullptr ? none : *found;
    }
    bool green(const QString& name) const { return item(name).textColor == QColor(0, 128, 0); }
    void keys(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            entry.KeyDown(key);
        }
    }
    // Every item of the page, to compare before and after a refused move.
    QList<PageItem> everything() const {
        QList<PageItem> all;
        for (const PageItem* each : page.items()) {
            all.append(*each);
        }
        return all;
    }

    static constexpr Qt::Key Down = Qt::Key_Down;
    static constexpr Qt::Key Up = Qt::Key_Up;
    static constexpr Qt::Key Q = Qt::Key_Q;
    static constexpr Qt::Key Insert = Qt::Key_Insert;
    static constexpr Qt::Key Delete = Qt::Key_Delete;

    StaircaseState state;
    Page page;
    ScriptedPrompter prompter;
    StaircaseViewLogic view{state, page, BusyCursor::none()};
    StaircaseEntry entry{state, page, prompter, view};
};
