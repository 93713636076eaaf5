#include "app/AppWindowFactory.h"
#include "bracket/TTableauPrevisualise.h"
#include "common/FindControl.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/RepeatFoldingPrompter.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "page/PageScene.h"
#include "page/PageView.h"
#include "widgets/EnterGrid.h"
#include "wizards/TOrvanelEchelon.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

namespace {

using Rows = std::initializer_list<std::pair<const char*, int>>;

// Twelve rankings of a club tournament, best first: 96 players.
const Rows Club = {{"15/2", 2}, {"15/3", 3}, {"15/4", 4},  {"15/5", 6},  {"30", 5},  {"30/1", 8},
                   {"30/2", 9}, {"30/3", 7}, {"30/4", 10}, {"30/5", 14}, {"40", 12}, {"NC", 16}};

class WizardWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        host.WorkingDirectory = work.path();
        host.DataLocation = work.path();
        host.HostTableName = QStringLiteral("Hote.db");
    }

    // The main window's hand-over: the wizard created, the rows copied, Init, shown.
    TOrvanelEchelon& shown(Rows rows, int qualifiersIn, int qualifiersOut, int seeds = 0) {
        wizard = std::make_unique<TOrvanelEchelon>(state, prompter, BusyCursor::none(), windows);
        int row = 1;
        for (const auto& [name, count] : rows) {
            state.Rankings[row++] = {QString::fromUtf8(name), count, 0};
        }
        wizard->Init(qualifiersIn, qualifiersOut, seeds, 0);
        wizard->show();
        wizard->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(wizard.get()));
        QCoreApplication::processEvents();
        return *wizard;
    }

    template <typename Control>
    Control* find(const char* name) const {
        return FindControl<Control>(*wizard, name);
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    bool visible(const char* name) const { return find<QWidget>(name)->isVisible(); }
    bool enabled(const char* name) const { return find<QWidget>(name)->isEnabled(); }
    QTableWidgetItem* cell(int row, int column) const {
        return find<EnterGrid>("StringGrid1Effectif")->item(row, column);
    }

    // "&Suivant", with what to do in the staircase view it opens (nothing: no view).
    void suivant(const std::function<void(QDialog&)>& inView = {}) { press("SuivantBtn", inView); }
    // A button of the wizard that opens the staircase view.
    void press(const char* button, const std::function<void(QDialog&)>& inView) {
        viewsOpened = 0;
        QTimer::singleShot(0, wizard.get(), [this, inView] {
            auto* view = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (view != nullptr && view != wizard.get()) {
                ++viewsOpened;
                inView(*view);
            }
        });
        find<QPushButton>(button)->click();
    }
    static void clickIn(QDialog& view, const char* button) {
        view.findChild<QToolButton*>(QString::fromLatin1(button))->click();
    }

    QTemporaryDir work;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    AppWindowFactory windows{host, state, prompter, BusyCursor::none()};
    std::unique_ptr<TOrvanelEchelon> wizard;
    int viewsOpened = 0;
};

}  // namespace

TEST_F(WizardWindow, ShowsTheRankingsAndFiguresOfTheHandOver) {
    shown({{"15", 4}, {"30/5", 6}, {"NC", 8}}, 2, 4, 3);
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Orvanel à entrées échelonnées"));
    EXPECT_EQ(cell(0, 1)->text(), QStringLiteral("30/5"));
    EXPECT_EQ(cell(1, 2)->text(), QStringLiteral("8"));
    EXPECT_EQ(cell(0, 3)->text(), QString());
    EXPECT_EQ(text("LabelEffectif"), QStringLiteral("20"));
    EXPECT_EQ(text("LabelQualifieSortants"), QStringLiteral("4"));
    EXPECT_EQ(text("LabelQualifieEntrants"), QStringLiteral("2"));
    EXPECT_EQ(text("LabelNBExempts"), QStringLiteral("2"));
    EXPECT_EQ(text("LabelNONExempts"), QStringLiteral("-2"));
    EXPECT_EQ(text("LabelTetesSerie"), QStringLiteral("3"));
    EXPECT_EQ(text("Label5Exempts"), QStringLiteral("Couples indissociables"));
    EXPECT_EQ(text("Label6NONExempts"), QStringLiteral("Nombre de compressions à faire"));
    // The main window passes no dimension: it is not shown.
    EXPECT_FALSE(visible("Label4Dimension"));
    EXPECT_FALSE(visible("LabelDimensionTableau"));
    auto* tours = find<QSpinBox>("SpinEdit1NbTout");
    EXPECT_EQ(tours->value(), 5);
    EXPECT_EQ(tours->minimum(), 4);
    EXPECT_EQ(tours->maximum(), 9);
    EXPECT_TRUE(find<QCheckBox>("CheckBox1Verif")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox1AutreSolution")->isChecked());
    EXPECT_TRUE(enabled("CheckBox1AutreSolution"));
    // With qualifiers both ways, the last round and the couples are not asked for.
    for (const char* hidden : {"Label1Sortant", "ComboBox1Sortant", "Label2Couple",
                               "SpinEdit1Couple", "Label1Solution", "Label1Iteration"}) {
        EXPECT_FALSE(visible(hidden)) << hidden;
    }
    EXPECT_TRUE(enabled("SuivantBtn"));
    EXPECT_FALSE(enabled("PrecedentBtn"));
    EXPECT_TRUE(enabled("BitBtn1SaisieEscalier"));
    EXPECT_EQ(find<QPushButton>("BitBtn1SaisieEscalier")->toolTip(),
              QStringLiteral("Saisie d'un escalier"));
    EXPECT_EQ(find<QPushButton>("SuivantBtn")->toolTip(),
              QStringLiteral("Affichage des solutions trouvées"));
    EXPECT_TRUE(prompter.entries().isEmpty());

    find<QPushButton>("HelpBtn")->click();
    EXPECT_EQ(prompter.texts(), QStringList{TOrvanelEchelon::HelpText()});
    find<QPushButton>("CancelBtn")->click();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Rejected);
}

TEST_F(WizardWindow, AFinalDrawAsksForItsLastRoundAndItsCouples) {
    shown({{"30", 6}, {"NC", 10}}, 0, 0);
    EXPECT_TRUE(state.FinalDraw);
    EXPECT_TRUE(visible("Label1Sortant"));
    EXPECT_TRUE(visible("ComboBox1Sortant"));
    EXPECT_TRUE(visible("SpinEdit1Couple"));
    EXPECT_FALSE(enabled("SuivantBtn"));
    auto* round = find<QComboBox>("ComboBox1Sortant");
    EXPECT_EQ(round->count(), 6);
    EXPECT_EQ(round->itemText(5), QStringLiteral("1/32 finale"));
    EXPECT_EQ(round->currentIndex(), -1);

    round->setCurrentIndex(2);  // "1/4 finale": four players left
    EXPECT_EQ(text("LabelQualifieSortants"), QStringLiteral("4"));
    EXPECT_FALSE(enabled("SuivantBtn"));  // no couples yet
    find<QSpinBox>("SpinEdit1Couple")->setValue(3);
    EXPECT_TRUE(enabled("SuivantBtn"));
    EXPECT_EQ(text("LabelNBExempts"), QStringLiteral("3"));
    EXPECT_EQ(text("LabelNONExempts"), QStringLiteral("-1"));
    // Without qualifiers at the start, the couples leave the incoming qualifiers at 0.
    EXPECT_EQ(text("LabelQualifieEntrants"), QStringLiteral("0"));
}

TEST_F(WizardWindow, TheCouplesCarryTheIncomingQualifiers) {
    shown({{"30", 6}, {"NC", 10}}, 4, 2);
    // The couples box stays out of sight here; its value still leads the qualifiers in.
    find<QSpinBox>("SpinEdit1Couple")->setValue(6);
    EXPECT_EQ(state.QualifiersIn, 6);
    EXPECT_EQ(text("LabelQualifieEntrants"), QStringLiteral("6"));
    EXPECT_EQ(text("LabelNBExempts"), QStringLiteral("6"));
    EXPECT_EQ(text("LabelNONExempts"), QStringLiteral("4"));
}

TEST_F(WizardWindow, EnterInTheGridCountsAndMovesRight) {
    shown({{"30", 6}, {"NC", 10}}, 2, 2);
    auto* grid = find<EnterGrid>("StringGrid1Effectif");
    grid->setFocus();
    grid->setCurrentCell(1, 0);
    grid->editItem(cell(1, 0));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("9"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor commits its cell once the key is handled
    EXPECT_EQ(cell(1, 0)->text(), QStringLiteral("9"));
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(text("LabelEffectif"), QStringLiteral("21"));
    EXPECT_EQ(state.Rankings[1].Count, 9);
}

// "&Suivant" reads the grid: names padded to four and cut to five, a zero count skipped.
TEST_F(WizardWindow, SuivantReadsTheGridAsTyped) {
    shown({{"30", 6}, {"NC", 10}}, 4, 4);
    cell(0, 2)->setText(QStringLiteral("N°100x"));
    cell(1, 2)->setText(QStringLiteral("3"));
    cell(1, 0)->setText(QStringLiteral("0"));
    suivant([](QDialog& view) { view.close(); });
    EXPECT_EQ(viewsOpened, 1);
    EXPECT_EQ(state.Rankings[1].Name, QStringLiteral("NC  "));
    EXPECT_EQ(state.Rankings[1].Count, 10);
    EXPECT_EQ(state.Rankings[2].Name, QStringLiteral("N°100"));
    EXPECT_EQ(state.Rankings[2].Count, 3);
    EXPECT_EQ(state.Rankings[3].Name, QString());
    EXPECT_EQ(state.TotalPlayers, 17);

    // A count that is not a number stops the command, and the wizard closes.
    cell(1, 1)->setText(QStringLiteral("dix"));
    suivant();
    EXPECT_EQ(viewsOpened, 0);
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("'dix' n'est pas une valeur entière correcte")});
    EXPECT_FALSE(wizard->isVisible());
}

TEST_F(WizardWindow, NoSolutionThenPrecedentBringsBackTheStartControls) {
    // One ranking of 30 for a final: every staircase spreads it over three tours.
    shown({{"NC", 30}}, 0, 0);
    find<QComboBox>("ComboBox1Sortant")->setCurrentIndex(0);
    find<QSpinBox>("SpinEdit1Couple")->setValue(2);
    suivant();
    EXPECT_EQ(viewsOpened, 0);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(text("Label1Solution"), QStringLiteral("Pas de solution trouvée."));
    EXPECT_TRUE(visible("Label1Solution"));
    EXPECT_TRUE(visible("Label1Iteration"));
    EXPECT_TRUE(text("Label1Iteration").endsWith(QStringLiteral(" Itération(s)")));
    EXPECT_FALSE(visible("ComboBox1Sortant"));
    EXPECT_FALSE(visible("SpinEdit1Couple"));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Aucune solution de trouvée..!!")});
    ASSERT_TRUE(enabled("PrecedentBtn"));

    find<QPushButton>("PrecedentBtn")->click();
    EXPECT_TRUE(visible("ComboBox1Sortant"));
    EXPECT_TRUE(visible("Label2Couple"));
    EXPECT_TRUE(visible("SpinEdit1Couple"));
    EXPECT_FALSE(visible("Label1Solution"));
    EXPECT_FALSE(visible("Label1Iteration"));
    EXPECT_FALSE(enabled("PrecedentBtn"));
}

TEST_F(WizardWindow, ClosingTheViewKeepsTheWizardOpenAcceptingClosesIt) {
    shown({{"30", 6}, {"NC", 10}}, 4, 4);
    suivant([](QDialog& view) { clickIn(view, "SpeedButton3"); });
    EXPECT_EQ(viewsOpened, 1);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_TRUE(enabled("PrecedentBtn"));
    EXPECT_FALSE(state.Accepted);

    suivant([](QDialog& view) { clickIn(view, "SpeedButton1Accepter"); });
    EXPECT_EQ(viewsOpened, 1);
    EXPECT_TRUE(state.Accepted);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("Hote.db"))));
}

TEST_F(WizardWindow, WithoutPlayersTheSearchWaits) {
    shown({{"30", 0}}, 2, 2);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral(
                                    "Manque des paramètres, compléter la structure du tableau,\n"
                                    "l'effectif, qualifiées...")});
    EXPECT_FALSE(enabled("SuivantBtn"));
}

// Twelve rankings with qualifiers coming in: the staircase build tells its overflow message
// for a hundred candidates or more. The window shows it once, then says how many times it
// came back; the solutions are shown as usual.
TEST_F(WizardWindow, TheSearchShowsEachMessageOnce) {
    shown(Club, 6, 8, 8);
    QStringList seenInView;
    suivant([&](QDialog& view) {
        seenInView = prompter.texts();
        view.close();
    });
    EXPECT_EQ(viewsOpened, 1);
    ASSERT_EQ(seenInView.size(), 3);
    EXPECT_EQ(seenInView[0], StaircaseState::EntryOverflowMessage());
    EXPECT_TRUE(seenInView[1].startsWith(QStringLiteral("Les messages de la recherche se sont")));
    EXPECT_EQ(seenInView[2], QStringLiteral("Plus de 200 solutions sont envisageables..!!!"));
    EXPECT_EQ(prompter.entries()[1].kind, Prompter::Kind::Information);
    EXPECT_EQ(text("Label1Solution"),
              QString::number(state.SolutionCount) + QStringLiteral(" Solution(s) trouvée(s)"));
    EXPECT_EQ(text("Label1Iteration"),
              QString::number(state.Iterations) + QStringLiteral(" Itération(s)"));

    // The next search shows its first message again.
    prompter.clear();
    suivant([](QDialog& view) { view.close(); });
    EXPECT_EQ(prompter.texts().size(), 3);
    EXPECT_EQ(prompter.texts()[1], seenInView[1]);
}

// "&Escalier" opens the staircase view on an entry by hand: keys and a drag with the mouse
// build a staircase of three tours, whose skeleton the bracket view shows.
TEST_F(WizardWindow, EscalierEntersAStaircaseWhoseSkeletonTheBracketViewShows) {
    shown({{"30", 2}, {"NC", 4}}, 2, 2);
    ASSERT_TRUE(enabled("BitBtn1SaisieEscalier"));
    bool bracketShown = false;
    QString bracketTitle;
    press("BitBtn1SaisieEscalier", [&](QDialog& view) {
        auto* scroll = view.findChild<PageView*>(QStringLiteral("ScrollBox1"));
        const Page& page = scroll->pageScene().page();
        QWidget* screen = scroll->viewport();
        const auto at = [&](const char* name) {
            const PageItem* item = page.find(QString::fromLatin1(name));
            return scroll->mapFromScene(QPointF(item->left + 4, item->top + 4));
        };
        EXPECT_EQ(page.find(QStringLiteral("Label1Solution"))->text,
                  QStringLiteral("Saisie d'un escalier"));
        QTest::keyClick(screen, Qt::Key_Down);
        QTest::keyClick(screen, Qt::Key_Down);
        QTest::keyClick(screen, Qt::Key_Insert);
        // The green pool label dragged onto the new tour's header starts a line there.
        QTest::mousePress(screen, Qt::LeftButton, {}, at("Effectif2"));
        QTest::mouseMove(screen, at("Effectif2") + QPoint(0, QApplication::startDragDistance()));
        QTest::mouseMove(screen, at("Escalier02_00"));
        QTest::mouseRelease(screen, Qt::LeftButton, {}, at("Escalier02_00"));
        EXPECT_EQ(page.find(QStringLiteral("LigneEscal02_03"))->text, QStringLiteral(" 1 (NC)"));
        QTest::keyClick(screen, '+');
        QTest::keyClick(screen, Qt::Key_Insert);
        QTest::keyClick(screen, Qt::Key_Down);
        QTest::keyClick(screen, Qt::Key_Down);
        QTest::keyClick(screen, Qt::Key_Q);
        QTest::keyClick(screen, Qt::Key_Q);
        EXPECT_EQ(page.find(QStringLiteral("LigneEscal03_06"))->text, QStringLiteral(" 2 (q)"));
        QTimer::singleShot(0, [&] {
            auto* bracket = qobject_cast<TTableauPrevisualise*>(QApplication::activeModalWidget());
            if (bracket != nullptr) {
                bracketShown = true;
                bracketTitle = bracket->windowTitle();
                bracket->reject();
            }
        });
        clickIn(view, "SpeedButton1Squelette");
        clickIn(view, "SpeedButton3");
    });
    EXPECT_EQ(viewsOpened, 1);
    EXPECT_TRUE(bracketShown);
    EXPECT_TRUE(state.ManualEntry);
    EXPECT_EQ(state.Dimension, 16);
    EXPECT_EQ(state.Solutions[1].Matches[3], 2);
    EXPECT_EQ(state.Steps[3].Entries[2], (StepEntry{QStringLiteral("q"), 2}));
    EXPECT_EQ(state.SkeletonErrorCount, 0) << state.SkeletonErrorText.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("Tmpaaaa.db"))));
    // The only message is the bracket view's own question as it closes.
    EXPECT_EQ(
        prompter.texts(),
        QStringList{QStringLiteral("Mise en place d'une solution du squelette du tableau ?")});
    EXPECT_TRUE(wizard->isVisible());
}
