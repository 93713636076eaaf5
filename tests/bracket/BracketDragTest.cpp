#include "BracketTestSupport.h"

#include "bracket/TDlgMetInformations.h"
#include "bracket/TTableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "page/PageView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The mouse in the real window: each kind of drag reaches its edit, and the edit reaches
// the table and the page. What each edit does is tested on the editor itself.
namespace {

class BracketDrags : public BracketFixture {
protected:
    void SetUp() override {
        host_.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
        host_.DataLocation = dir_.path();
        state_.Rankings[1] = {QStringLiteral("15"), 6, 0};
        writeTable(QStringLiteral("Tmpaaaa2.db"), 8, {{3, lineOf(DrawLine::Entrant, "15")}});
        view_ =
            std::make_unique<TTableauPrevisualise>(host_, state_, prompter_, BusyCursor::none());
        view_->OpenLineStart({.GridPlayers = 6, .LineQualifiersOut = 1, .LineDimension = 8}, true);
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    QWidget* viewport() const { return view_->pageView()->viewport(); }

    // Where the mouse takes an item: a label in its middle; a segment at its left end,
    // which its name label does not cover.
    QPoint at(const QString& name) const {
        const PageItem* item = view_->page().find(name);
        EXPECT_NE(item, nullptr) << name.toStdString();
        if (item == nullptr) {
            return {};
        }
        const QPointF point = item->kind == PageItem::Kind::Bar
                                  ? QPointF(item->left, item->top)
                                  : QPointF(item->left + 10, item->top + 5);
        return view_->pageView()->mapFromScene(point);
    }

    void drag(const QString& source, const QString& target) {
        const QPoint from = at(source);
        const QPoint to = at(target);
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(viewport(), from + QPoint(QApplication::startDragDistance() + 2, 0));
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, to);
    }

    QString nom(int line) {
        RecordTable& table = *view_->logic().table();
        table.FindKey({line});
        return table.text(DrawLine::Nom);
    }
    int position(int line) {
        RecordTable& table = *view_->logic().table();
        table.FindKey({line});
        return table.integer(DrawLine::Position);
    }

    static QString label(int round, int line) { return ItemKeys::key(ItemKeys::Name, round, line); }

    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    std::unique_ptr<TTableauPrevisualise> view_;
};

}  // namespace

TEST_F(BracketDrags, RosterLabelAndSegmentDragsEditTheDraw) {
    drag(QStringLiteral("Effectif1"), label(1, 1));
    EXPECT_EQ(nom(1), QStringLiteral("15"));
    EXPECT_EQ(view_->page().find(QStringLiteral("Effectif1"))->text, QStringLiteral(" 2/ 6  (15)"));

    drag(label(1, 1), label(1, 2));
    EXPECT_EQ(nom(1), QString());
    EXPECT_EQ(nom(2), QStringLiteral("15"));

    drag(label(1, 2), QStringLiteral("Effectif1"));
    EXPECT_EQ(position(2), DrawLine::Empty);

    drag(ItemKeys::key(ItemKeys::Segment, 2, 9), ItemKeys::key(ItemKeys::Segment, 2, 10));
    EXPECT_EQ(nom(3), QString());
    EXPECT_EQ(nom(1), QStringLiteral("15"));  // line 3 went up to line 1
    EXPECT_EQ(view_->page().find(label(1, 1))->text, QStringLiteral("15 "));

    // Ctrl+Z undoes the swap, the tool bar's redo does it again.
    QTest::keyClick(view_->pageView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(nom(3), QStringLiteral("15"));
    view_->findChild<QAction*>(QStringLiteral("SpeedButtonRetablir"))->trigger();
    EXPECT_EQ(nom(1), QStringLiteral("15"));
    QTest::keyClick(view_->pageView(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(nom(1), QStringLiteral("15"));  // nothing left to redo
}

TEST_F(BracketDrags, AClickOnANameOpensTheSeedDialogAndSupprimerEmptiesTheDraw) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TDlgMetInformations*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Propriétés du tableau"));
        QTest::keyClicks(dialog->edit(), QStringLiteral("a3"));  // the letter is dropped
        EXPECT_EQ(dialog->edit()->text(), QStringLiteral("3"));
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, at(label(1, 3)));
    EXPECT_EQ(position(3), DrawLine::Seed);
    ASSERT_NE(view_->page().find(ItemKeys::key(ItemKeys::SeedNumber, 1, 3)), nullptr);

    view_->findChild<QAction*>(QStringLiteral("SpeedButton1SupprimerTab"))->trigger();
    EXPECT_EQ(nom(3), QString());
    EXPECT_EQ(position(3), DrawLine::Empty);
}

TEST_F(BracketDrags, TheSeedDialogWarnsOnAnEmptyNumberAndItsCloseBoxChangesNothing) {
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<TDlgMetInformations*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->edit()->clear();
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        EXPECT_TRUE(dialog->isVisible());  // still open after the warning
        EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("Erreur de saisie numérique !!")});
        dialog->close();
    });
    QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, at(label(1, 3)));
    EXPECT_EQ(position(3), DrawLine::Entrant);
    EXPECT_FALSE(view_->findChild<QAction*>(QStringLiteral("SpeedButtonAnnuler"))->isEnabled());
}
