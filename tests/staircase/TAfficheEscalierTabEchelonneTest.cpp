#include "StaircaseFixtures.h"
#include "common/FindControl.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "page/PageGraphicsItem.h"
#include "page/PageScene.h"
#include "page/PageView.h"
#include "staircase/TAfficheEscalierTabEchelonne.h"

#include "bracket/TTableauPrevisualise.h"

#include "app/AppWindowFactory.h"
#include "core/HostInterface.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFrame>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// Rankings A 1, B 6, C 1 and two outgoing qualifiers: (2, 2, 3, 1) is correct, with A
// and C in one tour and B in two; (2, 2, 2, 2) spreads B over three tours.
void SetThreeRankings(StaircaseState& state) {
    SetRankings(state, {{"A", 1}, {"B", 6}, {"C", 1}}, 2);
}

class StaircaseViewWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        host.WorkingDirectory = work.path();
        host.DataLocation = work.path();
        host.HostTableName = QStringLiteral("Hote.db");
        SetThreeRankings(state);
    }

    void store(int count, const StaircaseSolution& solution) {
        for (int k = 1; k <= count; ++k) {
            state.Solutions[k] = solution;
        }
        state.StoredSolutions = static_cast<std::int16_t>(count);
    }

    TAfficheEscalierTabEchelonne& shown() {
        window = std::make_unique<TAfficheEscalierTabEchelonne>(host, state, prompter,
                                                                BusyCursor::none(), windows);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    template <typename Control>
    Control* find(const char* name) const {
        return FindControl<Control>(*window, name);
    }
    QToolButton* button(const char* name) const { return find<QToolButton>(name); }
    PageView* page() const { return find<PageView>("ScrollBox1"); }

    // The items on screen, in page order.
    QList<PageItem> onScreen() const {
        QList<PageItem> items;
        QList<QGraphicsItem*> shown = page()->pageScene().items(Qt::AscendingOrder);
        for (const QGraphicsItem* item : shown) {
            items.append(static_cast<const PageGraphicsItem*>(item)->pageItem());
        }
        return items;
    }
    std::optional<PageItem> label(const QString& text) const {
        for (const PageItem& item : onScreen()) {
            if (item.kind == PageItem::Kind::Label && item.text == text) {
                return item;
            }
        }
        return std::nullopt;
    }
    QString textAt(int top, int left) const {
        for (const PageItem& item : onScreen()) {
            if (item.kind == PageItem::Kind::Label && item.top == top && item.left == left) {
                return item.text;
            }
        }
        return QStringLiteral("(none)");
    }
    QString caption() const { return label(0).text; }
    PageItem label(int which) const {
        const QString name =
            which == 0 ? QStringLiteral("Label1Solution") : QStringLiteral("Label1Tableau");
        const PageGraphicsItem* item = page()->pageScene().item(name);
        return item == nullptr ? PageItem{} : item->pageItem();
    }
    void key(Qt::Key code) { QTest::keyClick(page(), code); }

    QTemporaryDir work;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    AppWindowFactory windows{host, state, prompter, BusyCursor::none()};
    std::unique_ptr<TAfficheEscalierTabEchelonne> window;
};

}  // namespace

TEST_F(StaircaseViewWindow, ControlsStandAtTheirPlacesWithTheirHints) {
    store(1, Solution({2, 2, 3, 1}));
    shown();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orvanel"));
    EXPECT_EQ(window->size(), QSize(706, 463));
    EXPECT_EQ(window->font().family(), QStringLiteral("Arial"));
    EXPECT_TRUE(window->font().bold());
    EXPECT_EQ(window->font().pointSize(), 8);
    auto* bar = find<QFrame>("SpeedBar");
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 706, 32));
    EXPECT_EQ(
        bar->toolTip(),
        QStringLiteral("Escalier avec touches Flèches Haut, Bas, Ins, Suppr, et touches +, -"));
    struct Expected {
        const char* name;
        QRect place;
        const char* tip;
        const char* text;
    };
    const Expected buttons[] = {
        {"SpeedButtonProgPrecedente", {8, 5, 23, 22}, "Solution précédente", ""},
        {"SpeedButtonProgSuivante", {40, 5, 23, 22}, "Solution suivante", ""},
        {"SpeedButton1Squelette", {80, 4, 25, 25}, "Squelette du tableau", ""},
        {"SpeedButtonPrint", {120, 5, 23, 22}, "Imprimer la solution", ""},
        {"SpeedButton1Accepter", {152, 5, 65, 22}, "Accepter la solution", "Accepter"},
        {"SpeedButton3", {232, 4, 65, 25}, "Fermer fenêtre", "Fermer"},
        {"SpeedButton3Aide", {320, 5, 23, 22}, "Aide", ""},
    };
    for (const Expected& expected : buttons) {
        QToolButton* speed = button(expected.name);
        EXPECT_EQ(speed->geometry(), expected.place) << expected.name;
        EXPECT_EQ(speed->toolTip(), QString::fromUtf8(expected.tip)) << expected.name;
        if (*expected.text != '\0') {
            EXPECT_EQ(speed->text(), QString::fromUtf8(expected.text));
        }
        EXPECT_FALSE(speed->icon().isNull()) << expected.name;
    }
    EXPECT_EQ(find<QFrame>("Shape4")->geometry(), QRect(110, 5, 1, 22));
    EXPECT_EQ(find<QFrame>("Shape2")->geometry(), QRect(222, 5, 1, 22));
    EXPECT_EQ(page()->geometry(), QRect(0, 32, 706, 431));
    EXPECT_TRUE(button("SpeedButtonPrint")->isEnabled());

    QStringList menu;
    for (const QAction* item : find<QMenu>("PopupMenu1")->actions()) {
        menu << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(menu, (QStringList{QStringLiteral("Mettre en place cette solution"),
                                 QStringLiteral("Imprimer l'escalier"),
                                 QStringLiteral("Visualiser le tableau"), QStringLiteral("-"),
                                 QStringLiteral("Saisir un escalier")}));
    EXPECT_TRUE(find<QAction>("Imprimerlescalier1")->isEnabled());
    EXPECT_TRUE(find<QAction>("Saisirunescalier1")->isEnabled());

    // A right click on the page opens the menu.
    QString popped;
    QTimer::singleShot(0, window.get(), [&popped] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popped = popup->objectName();
            popup->close();
        }
    });
    const QPoint at(300, 300);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, page()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page()->viewport(), &rightClick);
    EXPECT_EQ(popped, QStringLiteral("PopupMenu1"));

    // Help explains the view in a message.
    button("SpeedButton3Aide")->click();
    EXPECT_EQ(prompter.texts(), QStringList{TAfficheEscalierTabEchelonne::HelpText()});
}

TEST_F(StaircaseViewWindow, CaptionsAndVerdictsAreShownInTheirColours) {
    // The incorrect first solution is removed as the view is shown.
    state.Solutions[1] = Solution({2, 2, 2, 2});
    state.Solutions[2] = Solution({2, 2, 3, 1});
    state.StoredSolutions = 2;
    shown();
    EXPECT_EQ(state.StoredSolutions, 1);
    const PageItem solution = label(0);
    EXPECT_EQ(solution.text, QStringLiteral("Solution 1 sur 1 traitée(s)"));
    EXPECT_EQ(QPoint(solution.left, solution.top), QPoint(8, 8));
    EXPECT_EQ(solution.font, (PageFont{QStringLiteral("Comic Sans MS"), 10, true}));
    EXPECT_EQ(solution.textColor, QColor(0, 0, 128));
    const PageItem draw = label(1);
    EXPECT_EQ(draw.text, QStringLiteral("Tableau à 16 entrées et joueurs sur 3 tour(s)"));
    EXPECT_EQ(QPoint(draw.left, draw.top), QPoint(8, 26));
    EXPECT_EQ(draw.font, (PageFont{QStringLiteral("Comic Sans MS"), 10, false}));

    const auto one = label(QStringLiteral("2 classements sont admis sur 1 tour"));
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(QPoint(one->left, one->top), QPoint(8, 26 + 25));
    EXPECT_EQ(one->textColor, QColor(0, 128, 0));
    EXPECT_FALSE(one->font.bold);
    const auto two = label(QStringLiteral("1 classement est admis sur 2 tour"));
    ASSERT_TRUE(two.has_value());
    EXPECT_EQ(QPoint(two->left, two->top), QPoint(8, 26 + 45));
    EXPECT_EQ(two->textColor, QColor(0, 0, 255));
    EXPECT_EQ(two->font.family, QStringLiteral("Comic Sans MS"));

    // Shown as the one solution, a spread staircase is marked in red.
    window.reset();
    state.SingleSolution = true;
    state.Solutions[1] = Solution({2, 2, 2, 2});
    state.StoredSolutions = 0;
    shown();
    EXPECT_EQ(caption(), QStringLiteral("Solution trouvée"));
    EXPECT_FALSE(button("SpeedButtonProgSuivante")->isEnabled());
    const auto wrong =
        label(QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"));
    ASSERT_TRUE(wrong.has_value());
    EXPECT_EQ(wrong->textColor, QColor(255, 0, 0));
    EXPECT_TRUE(wrong->font.bold);
    const auto spread = label(QStringLiteral("Les B sont sur 3 tours"));
    ASSERT_TRUE(spread.has_value());
    EXPECT_EQ(QPoint(spread->left, spread->top), QPoint(8 + 5, 26 + 20 + 30));
    EXPECT_FALSE(spread->font.bold);
}

// (2, 2, 3, 1): tour 1 takes A, tour 2 five B, tour 3 the last B and C; the last round
// is the rightmost column, each column 55 pixels left of the one before.
TEST_F(StaircaseViewWindow, TheStaircaseColumnsStandAtTheirCoordinates) {
    store(1, Solution({2, 2, 3, 1}));
    shown();
    EXPECT_EQ(textAt(1, 470), QStringLiteral("3 tours"));
    EXPECT_EQ(textAt(1, 415), QStringLiteral("2"));
    EXPECT_EQ(textAt(1, 360), QStringLiteral("1"));
    EXPECT_EQ(textAt(50, 470), QStringLiteral("4"));
    EXPECT_EQ(textAt(50, 490), QStringLiteral("---->"));
    EXPECT_EQ(textAt(65, 470), QStringLiteral("1 (A)"));
    EXPECT_EQ(textAt(80, 500), QStringLiteral("1 compression(s)"));
    EXPECT_EQ(textAt(80, 470), QStringLiteral("3"));
    EXPECT_EQ(textAt(80, 415), QStringLiteral("6"));
    EXPECT_EQ(textAt(95, 415), QStringLiteral("5 (B)"));
    EXPECT_EQ(textAt(110, 415), QStringLiteral("1"));
    EXPECT_EQ(textAt(110, 360), QStringLiteral("2"));
    EXPECT_EQ(textAt(125, 360), QStringLiteral("1 (B)"));
    EXPECT_EQ(textAt(140, 360), QStringLiteral("1 (C)"));
    // The summary on the right, and the qualifiers over the last round.
    EXPECT_EQ(textAt(25, 620), QStringLiteral(" 1  (A)"));
    EXPECT_EQ(textAt(40, 620), QStringLiteral(" 6  (B)"));
    EXPECT_EQ(textAt(90, 620), QStringLiteral("  8"));
    EXPECT_EQ(textAt(115, 620), QStringLiteral("Qualifiant   2"));
    EXPECT_EQ(textAt(50, 525), QStringLiteral("2 Q"));
    int arrows = 0;
    for (const PageItem& item : onScreen()) {
        if (item.kind == PageItem::Kind::Bar && item.width == 15) {
            EXPECT_EQ(item.height, 2);
            EXPECT_TRUE(item.left == 470 || item.left == 415 || item.left == 360);
            ++arrows;
        }
    }
    EXPECT_EQ(arrows, 3);
}

TEST_F(StaircaseViewWindow, ButtonsAndKeysStepThroughTheSolutions) {
    store(5, Solution({2, 2, 3, 1}));
    shown();
    QToolButton* previous = button("SpeedButtonProgPrecedente");
    QToolButton* next = button("SpeedButtonProgSuivante");
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(page()->hasFocus());

    next->click();
    next->click();
    EXPECT_EQ(caption(), QStringLiteral("Solution 3 sur 5 traitée(s)"));
    EXPECT_TRUE(previous->isEnabled());

    // Home shows solution 1, enables Next and leaves Previous as it was.
    key(Qt::Key_Home);
    EXPECT_EQ(caption(), QStringLiteral("Solution 1 sur 5 traitée(s)"));
    EXPECT_TRUE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    // Previous at solution 1 disables itself and shows solution 1 again.
    key(Qt::Key_Left);
    EXPECT_EQ(caption(), QStringLiteral("Solution 1 sur 5 traitée(s)"));
    EXPECT_FALSE(previous->isEnabled());

    // End shows the last stored solution; Next keeps its state until pressed once more.
    key(Qt::Key_End);
    EXPECT_EQ(caption(), QStringLiteral("Solution 5 sur 5 traitée(s)"));
    EXPECT_TRUE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    key(Qt::Key_Right);
    EXPECT_EQ(caption(), QStringLiteral("Solution 5 sur 5 traitée(s)"));
    EXPECT_FALSE(next->isEnabled());
    key(Qt::Key_PageUp);
    EXPECT_EQ(caption(), QStringLiteral("Solution 4 sur 5 traitée(s)"));
    EXPECT_TRUE(next->isEnabled());
    key(Qt::Key_PageDown);
    EXPECT_EQ(caption(), QStringLiteral("Solution 5 sur 5 traitée(s)"));
    EXPECT_EQ(window->logic().CurrentSolution, 5);
}

TEST_F(StaircaseViewWindow, NextAtTheTwoHundredthSolutionDoesNothing) {
    store(200, Solution({2, 2, 3, 1}));
    shown();
    key(Qt::Key_End);
    EXPECT_EQ(caption(), QStringLiteral("Solution 200 sur 200 traitée(s)"));
    EXPECT_FALSE(button("SpeedButtonProgSuivante")->isEnabled());
    // Not even a redraw: the items on screen stay the very same.
    QList<QGraphicsItem*> before = page()->pageScene().items();
    std::sort(before.begin(), before.end());
    key(Qt::Key_PageDown);
    QList<QGraphicsItem*> after = page()->pageScene().items();
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    EXPECT_EQ(window->logic().CurrentSolution, 200);
}

TEST_F(StaircaseViewWindow, AcceptingNeedsAHostTableAndClosesTheView) {
    store(1, Solution({2, 2, 3, 1}));
    // Running on its own, the program has no host table to accept into.
    host.HostTableName = QStringLiteral("Tmpaaaa.db");
    shown();
    EXPECT_FALSE(button("SpeedButton1Accepter")->isEnabled());
    EXPECT_FALSE(find<QAction>("Mettreenplacecettesolution1")->isEnabled());

    host.HostTableName = QStringLiteral("Hote.db");
    window.reset();
    shown();
    EXPECT_TRUE(find<QAction>("Mettreenplacecettesolution1")->isEnabled());
    QToolButton* accept = button("SpeedButton1Accepter");
    ASSERT_TRUE(accept->isEnabled());
    prompter.queueAnswer(false);
    accept->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.Accepted);
    EXPECT_FALSE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("Hote.db"))));

    find<QAction>("Mettreenplacecettesolution1")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(state.Accepted);
    EXPECT_EQ(prompter.texts(), QStringList(2, QStringLiteral("Mettre en place cette solution ?")));
    EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("Hote.db"))));
}

TEST_F(StaircaseViewWindow, FermerClosesWithoutAccepting) {
    store(1, Solution({2, 2, 3, 1}));
    state.Accepted = true;  // left from an earlier view: cleared as the view is created
    shown();
    button("SpeedButton3")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(state.Accepted);
}

// Closes the bracket view as soon as it shows, accepted or not, and tells what it showed.
struct BracketViewCloser {
    explicit BracketViewCloser(bool accepted) {
        QTimer::singleShot(0, [this, accepted] {
            auto* view = qobject_cast<TTableauPrevisualise*>(QApplication::activeModalWidget());
            if (view == nullptr) {
                return;
            }
            opened = true;
            solution = view->page().find(QStringLiteral("Info102"))->text;
            acceptable =
                view->findChild<QAction*>(QStringLiteral("SpeedButton1Accepter"))->isEnabled();
            accepted ? view->accept() : view->reject();
        });
    }
    bool opened = false;
    bool acceptable = false;
    QString solution;
};

TEST_F(StaircaseViewWindow, TheSkeletonOpensTheBracketViewWhoseAcceptanceAcceptsHere) {
    store(2, Solution({2, 2, 3, 1}));
    shown();
    key(Qt::Key_End);
    QToolButton* skeleton = button("SpeedButton1Squelette");
    ASSERT_TRUE(skeleton->isEnabled());
    ASSERT_TRUE(find<QAction>("Visualiserletableau1")->isEnabled());

    // Closed without accepting: the view stays, nothing is copied.
    prompter.queueAnswer(true);
    {
        BracketViewCloser closer(false);
        find<QAction>("Visualiserletableau1")->trigger();
        EXPECT_TRUE(closer.opened);
        EXPECT_TRUE(closer.acceptable);
        EXPECT_EQ(closer.solution, QStringLiteral("Solution 2 sur 2 traitée(s)"));
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.Accepted);
    EXPECT_EQ(
        prompter.texts(),
        QStringList{QStringLiteral("Mise en place d'une solution du squelette du tableau ?")});
    EXPECT_FALSE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("Hote.db"))));

    // Accepted there, then agreed to here: the solution is set up and the view closes.
    prompter.queueAnswer(true);
    prompter.queueAnswer(true);
    {
        BracketViewCloser closer(true);
        skeleton->click();
        EXPECT_TRUE(closer.opened);
    }
    EXPECT_EQ(prompter.texts().last(), QStringLiteral("Mettre en place cette solution ?"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(state.Accepted);
    EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("Hote.db"))));
}

TEST_F(StaircaseViewWindow, WithoutAHostTableTheBracketViewCannotAccept) {
    store(1, Solution({2, 2, 3, 1}));
    host.HostTableName = QStringLiteral("Tmpaaaa.db");
    shown();
    prompter.queueAnswer(false);
    BracketViewCloser closer(false);
    button("SpeedButton1Squelette")->click();
    EXPECT_TRUE(closer.opened);
    EXPECT_FALSE(closer.acceptable);
    EXPECT_TRUE(window->isVisible());
}

// "Saisir un escalier" turns a solution display into an entry: the keys, the entry's menu
// on its labels and a navigation back to the solutions reach the entry's logic.
TEST_F(StaircaseViewWindow, SaisirUnEscalierStartsAnEntryDrivenByKeysAndMenus) {
    store(1, Solution({2, 2, 3, 1}));
    shown();
    find<QAction>("Saisirunescalier1")->trigger();
    const auto text = [this](const char* name) {
        const PageGraphicsItem* item = page()->pageScene().item(QString::fromLatin1(name));
        return item == nullptr ? QStringLiteral("(none)") : item->pageItem().text;
    };
    EXPECT_EQ(caption(), QStringLiteral("Saisie d'un escalier"));
    EXPECT_EQ(text("Effectif1"), QStringLiteral(" 0 de  1   (A)"));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(text("LigneEscal01_02"), QStringLiteral(" 1 (B)"));
    QTest::keyClick(page(), '+');
    EXPECT_EQ(text("LigneEscal01_02"), QStringLiteral(" 1 (B)"));  // no drag yet

    QString popped;
    QTimer::singleShot(0, window.get(), [&popped] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popped = popup->objectName();
            popup->close();
        }
    });
    const PageItem& pool = page()->pageScene().item(QStringLiteral("Effectif1"))->pageItem();
    const QPoint at = page()->mapFromScene(QPointF(pool.left + 4, pool.top + 4));
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, page()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page()->viewport(), &rightClick);
    EXPECT_EQ(popped, QStringLiteral("PopupMenuSaisieEscalier"));
    find<QAction>("Ajouteruntourlescalier1")->trigger();
    EXPECT_EQ(text("Escalier02_00"), QStringLiteral(" 4"));
    find<QAction>("Supprimercetourdescalier1")->trigger();
    EXPECT_EQ(text("Escalier02_00"), QStringLiteral("(none)"));

    // Without manual entry, a navigation shows the solutions again; the keys leave them.
    key(Qt::Key_Home);
    EXPECT_EQ(text("Effectif1"), QStringLiteral("(none)"));
    key(Qt::Key_Insert);
    EXPECT_EQ(text("FinEscalier01_00"), QStringLiteral("(none)"));
    EXPECT_TRUE(prompter.entries().isEmpty());
}
