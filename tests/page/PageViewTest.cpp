#include "page/LabelMetrics.h"
#include "page/Page.h"
#include "page/PageGraphicsItem.h"
#include "page/PageScene.h"
#include "page/PageView.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

PageItem item(const QString& name, QRect box, const QString& text = QString()) {
    PageItem item;
    item.name = name;
    item.left = box.left();
    item.top = box.top();
    item.width = box.width();
    item.height = box.height();
    item.text = text;
    return item;
}

class PageViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<PageView>(page);
        view->resize(400, 300);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    // The viewport point that shows a page point.
    QPoint at(int x, int y) const { return view->mapFromScene(QPointF(x, y)); }
    QWidget* viewport() const { return view->viewport(); }

    Page page;
    std::unique_ptr<PageView> view;
};

}  // namespace

TEST_F(PageViewTest, MirrorsEveryChangeOfThePage) {
    PageScene& scene = view->pageScene();
    page.add(item(QStringLiteral("COL0111"), QRect(20, 9, 50, 16), QStringLiteral("NC")));
    page.add(item(QStringLiteral("#seg"), QRect(18, 20, 50, 1)));
    ASSERT_NE(scene.item(QStringLiteral("COL0111")), nullptr);
    EXPECT_EQ(scene.item(QStringLiteral("COL0111"))->pos(), QPointF(20, 9));
    EXPECT_EQ(scene.item(QStringLiteral("COL0111"))->boundingRect(), QRectF(0, 0, 50, 16));

    page.change(QStringLiteral("COL0111"), [](PageItem& label) {
        label.text = QStringLiteral("15/2");
        label.textColor = QColor(0, 0, 255);
        label.left = 70;
        label.hint = QStringLiteral("Tête de série");
        label.visible = false;
    });
    const PageGraphicsItem* changed = scene.item(QStringLiteral("COL0111"));
    EXPECT_EQ(changed->pageItem().text, QStringLiteral("15/2"));
    EXPECT_EQ(changed->pageItem().textColor, QColor(0, 0, 255));
    EXPECT_EQ(changed->pos(), QPointF(70, 9));
    EXPECT_EQ(changed->toolTip(), QStringLiteral("Tête de série"));
    EXPECT_FALSE(changed->isVisible());
    // A hint switched off is kept but not shown.
    page.change(QStringLiteral("COL0111"), [](PageItem& label) { label.showHint = false; });
    EXPECT_EQ(changed->toolTip(), QString());

    page.remove(QStringLiteral("#seg"));
    EXPECT_EQ(scene.item(QStringLiteral("#seg")), nullptr);
    EXPECT_EQ(scene.items().size(), 1);
    page.clear();
    EXPECT_EQ(scene.itemCount(), 0);
    EXPECT_TRUE(scene.items().isEmpty());

    // Items already on a page are shown by a view created afterwards.
    Page filled;
    filled.add(item(QStringLiteral("A"), QRect(0, 0, 5, 5)));
    PageView second(filled);
    EXPECT_NE(second.pageScene().item(QStringLiteral("A")), nullptr);
}

TEST_F(PageViewTest, AutoSizedLabelsAndStackingFollowThePage) {
    PageItem label = item(QStringLiteral("Label1Solution"), QRect(8, 8, 0, 0),
                          QStringLiteral("Solution 1 sur 3 traitée(s)"));
    label.font.family = QStringLiteral("Comic Sans MS");
    label.font.pointSize = 10;
    label.font.bold = true;
    page.add(label);
    const QSize fitted = LabelMetrics::fittedSize(label.font, label.text);
    EXPECT_EQ(view->pageScene().item(label.name)->boundingRect(),
              QRectF(QPointF(0, 0), QSizeF(fitted)));

    // Later items lie over earlier ones; replacing an item keeps its place in the stack.
    page.add(item(QStringLiteral("under"), QRect(100, 100, 40, 40)));
    page.add(item(QStringLiteral("over"), QRect(110, 110, 40, 40)));
    EXPECT_EQ(view->nameAt(at(120, 120)), QStringLiteral("over"));
    page.add(item(QStringLiteral("under"), QRect(100, 100, 40, 40), QStringLiteral("x")));
    EXPECT_EQ(view->nameAt(at(120, 120)), QStringLiteral("over"));
    EXPECT_EQ(view->nameAt(at(105, 105)), QStringLiteral("under"));
    page.change(QStringLiteral("over"), [](PageItem& over) { over.visible = false; });
    EXPECT_EQ(view->nameAt(at(120, 120)), QStringLiteral("under"));
    EXPECT_EQ(view->nameAt(at(300, 20)), QString());

    // The scrollable area reaches the farthest item.
    page.add(item(QStringLiteral("far"), QRect(900, 1200, 30, 2)));
    EXPECT_EQ(view->pageScene().sceneRect(), QRectF(0, 0, 930, 1202));
}

TEST_F(PageViewTest, ReportsClicksByItemNameAndButton) {
    page.add(item(QStringLiteral("COL0215"), QRect(70, 50, 50, 16)));
    page.add(item(QStringLiteral("CLACOL0215"), QRect(200, 50, 30, 16)));
    QSignalSpy clicks(view.get(), &PageView::itemClicked);

    QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(80, 55));
    QTest::mouseClick(viewport(), Qt::RightButton, {}, at(210, 60));
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(300, 200));
    ASSERT_EQ(clicks.size(), 3);
    EXPECT_EQ(clicks[0][0].toString(), QStringLiteral("COL0215"));
    EXPECT_EQ(clicks[0][1].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(clicks[1][0].toString(), QStringLiteral("CLACOL0215"));
    EXPECT_EQ(clicks[1][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(clicks[2][0].toString(), QString());

    // Pressed on one item and released on another is no click.
    QTest::mousePress(viewport(), Qt::LeftButton, {}, at(80, 55));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at(210, 55));
    EXPECT_EQ(clicks.size(), 3);

    QSignalSpy doubles(view.get(), &PageView::itemDoubleClicked);
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, at(80, 55));
    ASSERT_EQ(doubles.size(), 1);
    EXPECT_EQ(doubles[0][0].toString(), QStringLiteral("COL0215"));
}

TEST_F(PageViewTest, DragsStartPastTheThresholdAndDropOnAnotherItem) {
    PageItem player = item(QStringLiteral("COL0103"), QRect(20, 20, 50, 16));
    player.draggable = true;
    player.cursor = Qt::PointingHandCursor;
    page.add(player);
    page.add(item(QStringLiteral("COL0107"), QRect(20, 200, 50, 16)));
    page.add(item(QStringLiteral("COL0108"), QRect(120, 200, 50, 16)));
    page.add(item(QStringLiteral("fixed"), QRect(120, 20, 50, 16)));
    QSignalSpy started(view.get(), &PageView::dragStarted);
    QSignalSpy dropped(view.get(), &PageView::itemDropped);
    QSignalSpy clicks(view.get(), &PageView::itemClicked);
    QSignalSpy cancelled(view.get(), &PageView::dragCancelled);
    const int threshold = QApplication::startDragDistance();

    // A shake below the threshold stays a click.
    QTest::mousePress(viewport(), Qt::LeftButton, {}, at(30, 25));
    QTest::mouseMove(viewport(), at(30, 25) + QPoint(threshold - 1, 0));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at(30, 25) + QPoint(threshold - 1, 0));
    EXPECT_EQ(started.size(), 0);
    EXPECT_EQ(clicks.size(), 1);

    QTest::mousePress(viewport(), Qt::LeftButton, {}, at(30, 25));
    QTest::mouseMove(viewport(), at(30, 25) + QPoint(threshold, 0));
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0][0].toString(), QStringLiteral("COL0103"));
    QTest::mouseMove(viewport(), at(30, 205));
    EXPECT_EQ(viewport()->cursor().shape(), Qt::DragMoveCursor);
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at(30, 205));
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0][0].toString(), QStringLiteral("COL0103"));
    EXPECT_EQ(dropped[0][1].toString(), QStringLiteral("COL0107"));
    EXPECT_EQ(clicks.size(), 1);

    // A refused target, the background and the item itself take no drop.
    view->setDropFilter(
        [](const QString&, const QString& target) { return target != QStringLiteral("COL0108"); });
    for (const QPoint target : {at(130, 205), at(300, 280), at(40, 25)}) {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, at(30, 25));
        QTest::mouseMove(viewport(), at(30, 25) + QPoint(0, threshold + 2));
        QTest::mouseMove(viewport(), target);
        EXPECT_EQ(viewport()->cursor().shape(), Qt::ForbiddenCursor);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, target);
    }
    EXPECT_EQ(dropped.size(), 1);
    EXPECT_EQ(started.size(), 4);
    ASSERT_EQ(cancelled.size(), 3);
    EXPECT_EQ(cancelled[0][0].toString(), QStringLiteral("COL0103"));

    // An item that is not draggable never starts a drag.
    QTest::mousePress(viewport(), Qt::LeftButton, {}, at(130, 25));
    QTest::mouseMove(viewport(), at(130, 205));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at(130, 205));
    EXPECT_EQ(started.size(), 4);
    EXPECT_EQ(dropped.size(), 1);
}

TEST_F(PageViewTest, ReportsEnteringAndLeavingItemsAndShowsTheirCursors) {
    PageItem hand = item(QStringLiteral("COL0101"), QRect(20, 20, 50, 16));
    hand.cursor = Qt::PointingHandCursor;
    page.add(hand);
    page.add(item(QStringLiteral("plain"), QRect(20, 60, 50, 16)));
    QSignalSpy entered(view.get(), &PageView::itemEntered);
    QSignalSpy left(view.get(), &PageView::itemLeft);

    QTest::mouseMove(viewport(), at(30, 25));
    EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(viewport(), at(30, 65));
    EXPECT_EQ(viewport()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(viewport(), at(300, 250));
    ASSERT_EQ(entered.size(), 2);
    EXPECT_EQ(entered[0][0].toString(), QStringLiteral("COL0101"));
    EXPECT_EQ(entered[1][0].toString(), QStringLiteral("plain"));
    ASSERT_EQ(left.size(), 2);
    EXPECT_EQ(left[0][0].toString(), QStringLiteral("COL0101"));
    EXPECT_EQ(left[1][0].toString(), QStringLiteral("plain"));
}

TEST_F(PageViewTest, ZoomScalesThePageAndItsHitTesting) {
    page.add(item(QStringLiteral("Q"), QRect(100, 100, 20, 10)));
    view->setZoom(2.0);
    EXPECT_EQ(view->zoom(), 2.0);
    EXPECT_EQ(view->mapFromScene(QPointF(100, 100)) - view->mapFromScene(QPointF(0, 0)),
              QPoint(200, 200));
    QSignalSpy clicks(view.get(), &PageView::itemClicked);
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, at(119, 109));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toString(), QStringLiteral("Q"));

    view->setZoom(0.5);
    EXPECT_EQ(view->nameAt(view->mapFromScene(QPointF(110, 105))), QStringLiteral("Q"));
    EXPECT_EQ(view->mapFromScene(QPointF(100, 100)) - view->mapFromScene(QPointF(0, 0)),
              QPoint(50, 50));
}

TEST_F(PageViewTest, KeysGoToTheWindowAndDoNotScroll) {
    page.add(item(QStringLiteral("far"), QRect(0, 3000, 10, 10)));
    QSignalSpy keys(view.get(), &PageView::keyPressed);
    const int scroll = view->verticalScrollBar()->value();
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    QTest::keyClick(view.get(), Qt::Key_Plus, Qt::NoModifier);
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[0][0].toInt(), static_cast<int>(Qt::Key_PageDown));
    EXPECT_EQ(keys[1][2].toString(), QStringLiteral("+"));
    EXPECT_EQ(view->verticalScrollBar()->value(), scroll);
}

TEST_F(PageViewTest, FindsItemsByNameAmongThousands) {
    for (int line = 1; line <= 4095; ++line) {
        page.add(item(QStringLiteral("COL%1").arg(line), QRect(20, 10 * line, 50, 16)));
    }
    for (int line = 2; line <= 4095; line += 2) {
        page.remove(QStringLiteral("COL%1").arg(line));
    }
    PageScene& scene = view->pageScene();
    EXPECT_EQ(scene.itemCount(), 2048);
    EXPECT_EQ(scene.items().size(), 2048);
    ASSERT_NE(scene.item(QStringLiteral("COL4095")), nullptr);
    EXPECT_EQ(scene.item(QStringLiteral("COL4095"))->pos(), QPointF(20, 40950));
    EXPECT_EQ(scene.item(QStringLiteral("COL4094")), nullptr);
    EXPECT_EQ(scene.nameAt(QPointF(30, 20475)), QStringLiteral("COL2047"));
}

TEST_F(PageViewTest, ABatchOfChangesSettlesTheScrollableAreaAtItsEnd) {
    page.add(item(QStringLiteral("first"), QRect(10, 10, 40, 16)));
    {
        const Page::Batch batch(page);
        page.add(item(QStringLiteral("far"), QRect(600, 900, 40, 16)));
        {
            const Page::Batch inner(page);
            page.add(item(QStringLiteral("farther"), QRect(700, 1000, 40, 16)));
        }
        EXPECT_EQ(view->pageScene().sceneRect(), QRectF(0, 0, 50, 26));
        EXPECT_NE(view->pageScene().item(QStringLiteral("far")), nullptr);
    }
    EXPECT_EQ(view->pageScene().sceneRect(), QRectF(0, 0, 740, 1016));
}

TEST_F(PageViewTest, EachWheelEventScrollsByTheWheelStep) {
    page.add(item(QStringLiteral("tall"), QRect(0, 0, 50, 3000)));
    QScrollBar* bar = view->verticalScrollBar();
    const auto wheel = [this](int delta) {
        QWheelEvent event(QPointF(50, 50), view->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
    };
    view->setWheelStep(8);
    EXPECT_EQ(bar->singleStep(), 8);
    wheel(-120);
    EXPECT_EQ(bar->value(), 8);
    wheel(-360);  // a turn of three notches in one event still steps once
    EXPECT_EQ(bar->value(), 16);
    wheel(120);
    EXPECT_EQ(bar->value(), 8);

    // Without a step, the platform's scrolling goes further than one step per notch.
    view->setWheelStep(0);
    wheel(-120);
    EXPECT_GT(bar->value(), 16);
}
