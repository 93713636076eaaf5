#include "page/Page.h"
#include "page/PageObserver.h"

#include <gtest/gtest.h>

namespace {

PageItem label(const char* name, int left, int top, const char* text = "") {
    PageItem item;
    item.name = QString::fromUtf8(name);
    item.left = left;
    item.top = top;
    item.text = QString::fromUtf8(text);
    return item;
}

struct RecordingObserver : PageObserver {
    void itemAdded(const PageItem& item) override { events << QStringLiteral("+") + item.name; }
    void itemChanged(const PageItem& item) override { events << QStringLiteral("~") + item.name; }
    void itemRemoved(const QString& name) override { events << QStringLiteral("-") + name; }
    void pageCleared() override { events << QStringLiteral("clear"); }
    QStringList events;
};

}  // namespace

TEST(Page, KeepsItemsInOrderAndFindsThemByName) {
    Page page;
    page.add(label("COL011", 20, 9, "NC"));
    const QString anonymous = page.add(label("", 5, 5));
    page.add(label("COL012", 20, 89, "40"));
    EXPECT_EQ(page.count(), 3);
    EXPECT_EQ(page.names(),
              (QStringList{QStringLiteral("COL011"), anonymous, QStringLiteral("COL012")}));
    EXPECT_EQ(page.names(QStringLiteral("COL")),
              (QStringList{QStringLiteral("COL011"), QStringLiteral("COL012")}));
    ASSERT_NE(page.find(QStringLiteral("COL012")), nullptr);
    EXPECT_EQ(page.find(QStringLiteral("COL012"))->text, QStringLiteral("40"));
    EXPECT_EQ(page.find(QStringLiteral("COL013")), nullptr);

    // Anonymous names never collide with given ones.
    page.add(label("#2", 0, 0));
    const QString next = page.add(label("", 0, 0));
    EXPECT_NE(next, QStringLiteral("#2"));
    EXPECT_EQ(page.count(), 5);
}

TEST(Page, ReplacesChangesAndRemovesInPlace) {
    Page page;
    RecordingObserver observer;
    page.setObserver(&observer);
    page.add(label("A", 0, 0, "a"));
    page.add(label("B", 0, 0, "b"));
    page.add(label("A", 7, 7, "again"));
    EXPECT_EQ(page.names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(page.find(QStringLiteral("A"))->left, 7);

    EXPECT_TRUE(page.change(QStringLiteral("B"), [](PageItem& item) {
        item.textColor = QColor(255, 0, 0);
        item.name = QStringLiteral("renamed");
    }));
    EXPECT_EQ(page.find(QStringLiteral("B"))->textColor, QColor(255, 0, 0));
    EXPECT_FALSE(page.contains(QStringLiteral("renamed")));
    EXPECT_FALSE(page.change(QStringLiteral("C"), [](PageItem&) {}));

    EXPECT_TRUE(page.remove(QStringLiteral("A")));
    EXPECT_FALSE(page.remove(QStringLiteral("A")));
    page.add(label("A", 0, 0));
    EXPECT_EQ(page.names(), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    page.clear();
    EXPECT_EQ(page.count(), 0);
    EXPECT_EQ(observer.events,
              (QStringList{QStringLiteral("+A"), QStringLiteral("+B"), QStringLiteral("~A"),
                           QStringLiteral("~B"), QStringLiteral("-A"), QStringLiteral("+A"),
                           QStringLiteral("clear")}));
}

TEST(Page, ExtentHoldsTheVisibleItems) {
    Page page;
    PageItem bar = label("bar", 620, 85);
    bar.kind = PageItem::Kind::Bar;
    bar.width = 30;
    bar.height = 2;
    page.add(bar);
    PageItem hidden = label("hidden", 2000, 2000);
    hidden.visible = false;
    page.add(hidden);
    EXPECT_EQ(page.extent(), QSize(650, 87));
}

TEST(Page, KeepsOrderAcrossThousandsOfRemovals) {
    Page page;
    for (int line = 1; line <= 4095; ++line) {
        page.add(label(QStringLiteral("COL%1").arg(line).toUtf8().constData(), 0, line));
    }
    for (int line = 1; line <= 4095; line += 2) {
        page.remove(QStringLiteral("COL%1").arg(line));
    }
    EXPECT_EQ(page.count(), 2047);
    EXPECT_EQ(page.find(QStringLiteral("COL4094"))->top, 4094);
    EXPECT_EQ(page.items().first()->name, QStringLiteral("COL2"));
}

TEST(Page, TheJournalKeepsEachItemAsItWasBeforeItsFirstChange) {
    Page page;
    page.add(label("A", 1, 1));
    page.add(label("B", 2, 2));
    page.add(label("C", 3, 3));
    Page::Journal journal;
    page.setJournal(&journal);
    page.change(QStringLiteral("A"), [](PageItem& item) { item.top = 10; });
    page.change(QStringLiteral("A"), [](PageItem& item) { item.top = 20; });
    page.remove(QStringLiteral("B"));
    page.add(label("D", 4, 4));
    page.clear();
    page.setJournal(nullptr);
    page.add(label("E", 5, 5));

    EXPECT_EQ(journal.size(), 4);
    EXPECT_EQ(journal.value(QStringLiteral("A"))->top, 1);  // before the first change
    EXPECT_EQ(journal.value(QStringLiteral("B"))->top, 2);
    EXPECT_EQ(journal.value(QStringLiteral("C"))->top, 3);         // taken by the clearing
    EXPECT_FALSE(journal.value(QStringLiteral("D")).has_value());  // it did not exist
    EXPECT_FALSE(journal.contains(QStringLiteral("E")));
}
