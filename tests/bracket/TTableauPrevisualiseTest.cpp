#include "BracketTestSupport.h"
#include "common/FindControl.h"

#include "bracket/NotesBox.h"
#include "bracket/TDlgPropriteTableau.h"
#include "bracket/TTableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "page/PageGraphicsItem.h"
#include "page/PageScene.h"
#include "page/PageView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QWheelEvent>

namespace {

class BracketWindow : public BracketFixture {
protected:
    void SetUp() override {
        host_.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
        host_.DataLocation = dir_.path();
        state_.Rankings[1] = {QStringLiteral("15"), 6, 0};
        writeTable(QStringLiteral("Tmpaaaa2.db"), 8, {{3, lineOf(DrawLine::Seed, "15", 1)}});
        view_ =
            std::make_unique<TTableauPrevisualise>(host_, state_, prompter_, BusyCursor::none());
        view_->OpenLineStart({.GridPlayers = 6,
                              .LineQualifiersOut = 1,
                              .LineSeeds = 1,
                              .LineDimension = 8,
                              .Byes = 2,
                              .NonByes = 4},
                             true);
    }

    QAction* action(const char* name) const { return FindControl<QAction>(*view_, name); }
    const PageItem* onPage(const QString& name) const { return view_->page().find(name); }

    // Runs the view modally and lets `whileShown` act on it once it is shown.
    bool runModal(const std::function<void()>& whileShown) {
        QTimer::singleShot(0, view_.get(), whileShown);
        return view_->ShowModal();
    }

    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    std::unique_ptr<TTableauPrevisualise> view_;
};

}  // namespace

TEST_F(BracketWindow, TheToolBarHoldsEveryCommandInOrderWithItsHint) {
    EXPECT_EQ(view_->windowTitle(), QStringLiteral("Visualisation du squelette du tableau"));
    EXPECT_TRUE(view_->windowState() & Qt::WindowMaximized);
    auto* bar = view_->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->height(), 32);
    EXPECT_EQ(bar->toolTip(),
              QStringLiteral("Glisser les joueurs depuis l'effectif avec la souris, clicquer sur "
                             "un joueur pour mettre TS"));
    QStringList names;
    QStringList hints;
    for (QAction* each : bar->actions()) {
        if (!each->isSeparator()) {
            names.append(each->objectName());
            hints.append(each->toolTip());
        }
    }
    EXPECT_EQ(
        names,
        (QStringList{
            QStringLiteral("SpeedButtonProgPrecedente"), QStringLiteral("SpeedButtonProgSuivante"),
            QStringLiteral("SpeedButton1ProprieteTab"), QStringLiteral("SpeedButton1SupprimerTab"),
            QStringLiteral("SpeedButton2ReafficheTab"), QStringLiteral("SpeedButtonAnnuler"),
            QStringLiteral("SpeedButtonRetablir"), QStringLiteral("SpeedButton1"),
            QStringLiteral("SpeedButtonPrint"), QStringLiteral("SpeedButton1Accepter"),
            QStringLiteral("SpeedButton3"), QStringLiteral("SpeedButton3Aide")}));
    EXPECT_EQ(hints,
              (QStringList{
                  QStringLiteral("Zoom plus"), QStringLiteral("Zoom moins"),
                  QStringLiteral("Propriétés d'affichage du tableau"),
                  QStringLiteral("Supprimer tous les joueurs du tableau"),
                  QStringLiteral("Réafficher le tableau"), QStringLiteral("Annuler"),
                  QStringLiteral("Rétablir"), QStringLiteral("Vérifier règles et recommandations"),
                  QStringLiteral("Imprimer la solution"), QStringLiteral("Accepter la solution"),
                  QStringLiteral("Fermer fenêtre"), QStringLiteral("Aide")}));
    EXPECT_EQ(action("SpeedButton1Accepter")->text(), QStringLiteral("Accepter"));
    EXPECT_EQ(action("SpeedButton3")->text(), QStringLiteral("Fermer"));
    // Undo and redo wait for a first edit.
    for (const char* later : {"SpeedButtonAnnuler", "SpeedButtonRetablir", "SpeedButtonPrint"}) {
        EXPECT_FALSE(action(later)->isEnabled()) << later;
    }
    for (const char* now :
         {"SpeedButtonProgPrecedente", "SpeedButtonProgSuivante", "SpeedButton1ProprieteTab",
          "SpeedButton1SupprimerTab", "SpeedButton2ReafficheTab", "SpeedButton1",
          "SpeedButton1Accepter", "SpeedButton3", "SpeedButton3Aide"}) {
        EXPECT_TRUE(action(now)->isEnabled()) << now;
    }
}

TEST_F(BracketWindow, TheContextMenuListsTheCommandsInOrder) {
    auto* menu = view_->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* each : menu->actions()) {
        entries.append(each->isSeparator()
                           ? QStringLiteral("-")
                           : each->text() +
                                 (each->isEnabled() ? QString() : QStringLiteral(" (off)")));
    }
    EXPECT_EQ(entries,
              (QStringList{
                  QStringLiteral("Supprimer tous les joueurs du tableau"),
                  QStringLiteral("Propriétés du tableau"), QStringLiteral("Réafficher le tableau"),
                  QStringLiteral("-"), QStringLiteral("Augmenter les dimensions du tableau"),
                  QStringLiteral("Diminuer les dimensions du tableau (off)"), QStringLiteral("-"),
                  QStringLiteral("Vérifier les règles et recommandations"), QStringLiteral("-"),
                  QStringLiteral("Imprimer le tableau (off)"), QStringLiteral("-"),
                  QStringLiteral("Annuler (off)"), QStringLiteral("Rétablir (off)")}));
}

// A 30 entering over three rounds: the check runs from the button and from the menu, and
// its banner, marks and hints reach the screen.
TEST_F(BracketWindow, VerifierChecksTheRulesAndMarksThePage) {
    host_.WorkingDirectory = dir_.path();
    writeTable(QStringLiteral("Tmpaaaa2.db"), 8,
               {{1, lineOf(DrawLine::Entrant, "30")},
                {9, lineOf(DrawLine::Entrant, "30")},
                {13, lineOf(DrawLine::Entrant, "30")}});
    action("SpeedButton1")->trigger();
    ASSERT_NE(onPage(QStringLiteral("Label2Regles")), nullptr);
    EXPECT_TRUE(onPage(QStringLiteral("Label2Regles"))->visible);
    EXPECT_EQ(onPage(QStringLiteral("COL0313"))->background, QColor(255, 0, 0));
    const auto* tip = view_->pageView()->pageScene().item(QStringLiteral("COL0313"));
    EXPECT_EQ(tip->toolTip(),
              QStringLiteral("Règle NON respectée:\nClassement entrant sur plus de 2 tours."));

    // Entering the banner builds its hint again from the rule table.
    view_->page().change(QStringLiteral("Label2Regles"),
                         [](PageItem& banner) { banner.hint.clear(); });
    emit view_->pageView()->itemEntered(QStringLiteral("Label2Regles"));
    EXPECT_TRUE(
        onPage(QStringLiteral("Label2Regles"))->hint.startsWith(QStringLiteral("ATTENTION")));

    writeTable(QStringLiteral("Tmpaaaa2.db"), 8, {});
    view_->findChild<QAction*>(QStringLiteral("Verifierlesreglesetrecommandations1"))->trigger();
    EXPECT_FALSE(onPage(QStringLiteral("Label2Regles"))->visible);
}

TEST_F(BracketWindow, TheLineStartOpeningShowsTheBracketAndItsPanel) {
    const PageItem* seed = onPage(ItemKeys::key(ItemKeys::SeedNumber, 1, 3));
    ASSERT_NE(seed, nullptr);
    EXPECT_EQ(seed->text, QStringLiteral("1"));
    EXPECT_EQ(onPage(QStringLiteral("Info04"))->text, QStringLiteral(" 1  TS"));
    EXPECT_EQ(onPage(QStringLiteral("Effectif1"))->text, QStringLiteral(" 1/ 6  (15)"));
    EXPECT_EQ(view_->pageView()->pageScene().item(QStringLiteral("Info1"))->pos(),
              QPointF(600, 20));
}

TEST_F(BracketWindow, ZoomAndRedisplayChangeThePage) {
    const QString name = ItemKeys::key(ItemKeys::Name, 1, 3);
    action("SpeedButtonProgPrecedente")->trigger();
    EXPECT_EQ(onPage(name)->font.pointSize, 8);
    action("SpeedButtonProgSuivante")->trigger();
    EXPECT_EQ(onPage(name)->font.pointSize, 6);
    action("SpeedButton2ReafficheTab")->trigger();
    EXPECT_EQ(onPage(name)->font.pointSize, 7);
}

TEST_F(BracketWindow, AcceptAndCloseGiveTheirResultAndThePageHasTheFocus) {
    bool focused = false;
    EXPECT_TRUE(runModal([&] {
        focused = view_->focusWidget() == view_->pageView();
        action("SpeedButton1Accepter")->trigger();
    }));
    EXPECT_TRUE(focused);
    EXPECT_FALSE(runModal([&] { action("SpeedButton3")->trigger(); }));
    EXPECT_FALSE(runModal([&] { view_->close(); }));
}

TEST_F(BracketWindow, AClickOnTheByesShowsTheNotesAndHelpExplainsTheView) {
    EXPECT_FALSE(runModal([&] {
        PageView* page = view_->pageView();
        const QPoint byes = page->mapFromScene(QPointF(605, 55));
        QTest::mouseClick(page->viewport(), Qt::LeftButton, Qt::NoModifier, byes);
        EXPECT_TRUE(onPage(NotesBox::Name)->visible);
        action("SpeedButton3Aide")->trigger();
        view_->reject();
    }));
    EXPECT_EQ(prompter_.texts(), QStringList{TableauPrevisualise::HelpText()});
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Information);
}

TEST_F(BracketWindow, TheStaggeredEntryPointAsksThenShowsTheSolution) {
    state_.Dimension = 4;
    state_.Seeds = 2;
    state_.QualifiersOut = 1;
    writeTable(QStringLiteral("Tmpaaaa.db"), 4, {{1, lineOf(DrawLine::Seed, "15", 1)}});
    prompter_.queueAnswer(true);
    bool shownSeed = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<TTableauPrevisualise*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        shownSeed = shown->page().contains(ItemKeys::key(ItemKeys::SeedNumber, 1, 1));
        EXPECT_EQ(shown->page().find(QStringLiteral("Info102"))->text,
                  QStringLiteral("Solution 3 sur 0 traitée(s)"));
        EXPECT_FALSE(
            shown->findChild<QAction*>(QStringLiteral("SpeedButton1Accepter"))->isEnabled());
        shown->accept();
    });
    EXPECT_TRUE(TTableauPrevisualise::ShowStaggered(host_, state_, prompter_, BusyCursor::none(), 3,
                                                    false));
    EXPECT_TRUE(shownSeed);
    EXPECT_EQ(prompter_.texts().first(),
              QStringLiteral("Mise en place d'une solution du squelette du tableau ?"));
}

TEST_F(BracketWindow, ThePropertiesDialogReachesTheLayoutOnOkOnly) {
    const auto answer = [](int percent, const char* button) {
        QTimer::singleShot(0, [percent, button] {
            auto* dialog = qobject_cast<TDlgPropriteTableau*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QSpinBox*>(QStringLiteral("SpinEditCaractere"))->setValue(percent);
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    };
    answer(150, "CancelBtn");
    action("SpeedButton1ProprieteTab")->trigger();
    EXPECT_EQ(view_->logic().geometry().VerticalUnit, 80);
    answer(150, "OKBtn");
    action("SpeedButton1ProprieteTab")->trigger();
    EXPECT_EQ(view_->logic().geometry().VerticalUnit, 15);
    EXPECT_EQ(onPage(ItemKeys::key(ItemKeys::Name, 2, 9))->left, 20 + 75);
    answer(100, "OKBtn");
    action("Proprietesdutableau1")->trigger();
    EXPECT_EQ(view_->logic().geometry().VerticalUnit, 80);
}

TEST_F(BracketWindow, TheDialogShowsThePropertiesOfTheView) {
    TableProperties shown;
    shown.WithEmptyBranches = true;
    shown.Dimension = 32;
    shown.EndBranchesEnabled = false;
    const TDlgPropriteTableau dialog(shown);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Propriétés du tableau"));
    EXPECT_TRUE(
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1AvecBranchesVides"))->isChecked());
    EXPECT_FALSE(
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1AvecBranchesFinTab"))->isEnabled());
    const auto* sizes = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox1EntreeTab"));
    EXPECT_EQ(sizes->currentText(), QStringLiteral("32"));
    EXPECT_FALSE(sizes->isEnabled());
    const auto* percent = dialog.findChild<QSpinBox*>(QStringLiteral("SpinEditCaractere"));
    EXPECT_EQ(percent->value(), 100);
    EXPECT_EQ(percent->singleStep(), 10);
    EXPECT_EQ(percent->toolTip(),
              QStringLiteral("Réduire ou agrandir l'affichage des joueurs sur les tableaux"));
    EXPECT_EQ(dialog.values().WithEmptyBranches, true);
    EXPECT_EQ(dialog.values().Dimension, 32);
}

TEST_F(BracketWindow, TheDimensionCommandsAddAndRemoveTheFirstRound) {
    QAction* smaller = action("Diminuerlesdimensionsdutableau1");
    action("Augmenterlesdimensionsdutableau1")->trigger();
    EXPECT_EQ(state_.Dimension, 16);
    EXPECT_TRUE(smaller->isEnabled());
    EXPECT_NE(onPage(ItemKeys::key(ItemKeys::Name, 5, 31)), nullptr);
    smaller->trigger();
    EXPECT_EQ(state_.Dimension, 8);
    EXPECT_FALSE(smaller->isEnabled());
    EXPECT_EQ(onPage(ItemKeys::key(ItemKeys::Name, 5, 31)), nullptr);
    // Undoing the removal gives the added round back, and the command with it.
    view_->logic().editor().undoStack().undo();
    EXPECT_EQ(state_.Dimension, 16);
    EXPECT_TRUE(smaller->isEnabled());
}

TEST_F(BracketWindow, TheWheelScrollsEightPixelsAndAResizeKeepsThePanelInPlace) {
    view_->setWindowState(Qt::WindowNoState);
    view_->resize(500, 300);
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    PageView* page = view_->pageView();
    QScrollBar* bar = page->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 16);
    const QPointF inside(50, 50);
    QWheelEvent down(inside, page->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page->viewport(), &down);
    EXPECT_EQ(bar->value(), 8);

    view_->page().change(QStringLiteral("Info2"), [](PageItem& item) { item.top = 400; });
    view_->resize(520, 320);
    EXPECT_EQ(onPage(QStringLiteral("Info2"))->top, 35);
}
