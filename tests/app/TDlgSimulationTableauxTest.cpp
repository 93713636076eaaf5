#include "app/AppWindowFactory.h"
#include "app/TDlgSimulationTableaux.h"
#include "common/FindControl.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"
#include "core/StaircaseState.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        host.WorkingDirectory = work.path();
        host.HostTableName = QStringLiteral("HOSTTAB.DB");
    }

    TDlgSimulationTableaux& shown() {
        window = std::make_unique<TDlgSimulationTableaux>(host, state, prompter, wizards);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename Control>
    Control* find(const char* name) const {
        return FindControl<Control>(*window, name);
    }
    QTableWidget* grid() const { return find<QTableWidget>("StringGrid1"); }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item == nullptr ? QString() : item->text();
    }
    // Whether a cell editor of the grid has the keyboard.
    bool editing() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && focus->parentWidget() == grid()->viewport();
    }
    void typeInto(const char* field, const QString& text) {
        QLineEdit* edit = find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QTemporaryDir work;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    AppWindowFactory wizards{host, state, prompter, BusyCursor::none()};
    std::unique_ptr<TDlgSimulationTableaux> window;
};

}  // namespace

TEST_F(MainWindowTest, FirstStartShowsOneEmptyRowReadyForTyping) {
    shown();
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(cell(0, 0), QString());
    EXPECT_TRUE(find<QPushButton>("SuivantBtn")->isEnabled());
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_EQ(grid()->currentColumn(), 1);
    EXPECT_TRUE(editing());
    EXPECT_EQ(
        find<QLabel>("Label1FileName")->toolTip(),
        QStringLiteral("Fichier temporaire utilisé:\n") +
            QDir::toNativeSeparators(QDir(work.path()).filePath(QStringLiteral("tmpSauve.txt"))));
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(MainWindowTest, ControlsCarryTheirCaptionsAndHints) {
    shown();
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Tableaux départ en ligne ou entrées échelonnées, aide à la "
                             "recherche de solutions"));
    EXPECT_EQ(window->versionLabelText(), QStringLiteral("Version 1.0 du 22/02/2016"));
    EXPECT_TRUE(find<QLabel>("LabelVersion")->toolTip().contains(QStringLiteral("1.0.05")));
    EXPECT_FALSE(find<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Classement"));
    EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Nb Joueurs"));
    EXPECT_EQ(grid()->columnWidth(0), 105);
    EXPECT_EQ(grid()->columnWidth(1), 106);
    EXPECT_EQ(find<QComboBox>("ComboBox1ClassDebut")->count(), 123);
    EXPECT_EQ(find<QComboBox>("ComboBox1ClassFin")->itemText(122), QStringLiteral("N°1"));
    EXPECT_EQ(find<QComboBox>("ComboBox1ClassDebut")->toolTip(),
              QStringLiteral("Sélection d'une fourchette\nde classement, le début"));
    EXPECT_EQ(find<QPushButton>("Button1InitZero")->toolTip(),
              QStringLiteral("Remet à zéro les\neffectifs classements"));
    EXPECT_EQ(find<QLabel>("Label3")->text(), QStringLiteral("Nombre de tête de série:"));
    EXPECT_EQ(find<QLineEdit>("Edit1NBQS")->text(), QStringLiteral("0"));
    EXPECT_FALSE(find<QComboBox>("ComboBox1EntreeTab")->isVisible());
    EXPECT_EQ(find<QComboBox>("ComboBox1EntreeTab")->count(), 11);
    EXPECT_FALSE(find<QLabel>("Label4")->isVisible());
    EXPECT_EQ(find<QGroupBox>("RadioGroup1TypeTableau")->title(),
              QStringLiteral("Type de tableau"));
    EXPECT_TRUE(find<QRadioButton>("RadioGroup1TypeTableau1")->isChecked());
    EXPECT_EQ(find<QRadioButton>("RadioGroup1TypeTableau0")->text(),
              QStringLiteral("à départ en ligne"));
    EXPECT_EQ(find<QAction>("OuvrirFichierBtn")->toolTip(), QStringLiteral("Ouvrir un fichier"));
    EXPECT_EQ(find<QAction>("EnregistrerSousBtn")->toolTip(), QStringLiteral("Enregistrer sous"));
    EXPECT_EQ(find<QAction>("FermerBtn")->toolTip(), QStringLiteral("Quitter l'application"));

    QStringList menu;
    for (const QAction* action : find<QMenu>("PopupMenu1Principal")->actions()) {
        menu << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(menu, (QStringList{QStringLiteral("Ouvrir fichier..."),
                                 QStringLiteral("Enregistrer sous..."), QStringLiteral("-"),
                                 QStringLiteral("Mettre à zéro"), QStringLiteral("-"),
                                 QStringLiteral("Vérifie mise à jour")}));
    EXPECT_FALSE(find<QAction>("Verifiemiseajour1")->isEnabled());
}

TEST_F(MainWindowTest, ChoosingARangeRebuildsTheGrid) {
    shown();
    QComboBox* start = find<QComboBox>("ComboBox1ClassDebut");
    QComboBox* end = find<QComboBox>("ComboBox1ClassFin");
    start->setCurrentIndex(0);
    EXPECT_EQ(end->currentText(), QStringLiteral("NC"));
    end->setCurrentIndex(13);
    ASSERT_EQ(grid()->rowCount(), 14);
    EXPECT_EQ(cell(0, 0), QStringLiteral("15"));
    EXPECT_EQ(cell(13, 0), QStringLiteral("NC"));
    EXPECT_TRUE(editing());

    // An end below the start, chosen with the end picker, moves the start to it.
    start->setCurrentIndex(5);
    end->setCurrentIndex(3);
    EXPECT_EQ(start->currentText(), QStringLiteral("30/4"));
    EXPECT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("30/4"));
}

TEST_F(MainWindowTest, ThirteenFilledRowsAreToldWhenTheRangeChanges) {
    shown();
    find<QComboBox>("ComboBox1ClassDebut")->setCurrentIndex(0);
    find<QComboBox>("ComboBox1ClassFin")->setCurrentIndex(12);
    for (int row = 0; row < 13; ++row) {
        grid()->item(row, 1)->setText(QString::number(row + 1));
    }
    EXPECT_EQ(window->logic().Input().Rows[12].CountText, QStringLiteral("13"));
    find<QComboBox>("ComboBox1ClassFin")->setCurrentIndex(20);
    EXPECT_EQ(
        prompter.texts(),
        QStringList{QStringLiteral("L'assistant limite le nombre de classement traité à 12")});
    EXPECT_EQ(grid()->rowCount(), 21);
    EXPECT_EQ(cell(12, 1), QStringLiteral("13"));
}

TEST_F(MainWindowTest, EnterMovesDownTheGridAndOnFromTheQualifierFields) {
    shown();
    find<QComboBox>("ComboBox1ClassDebut")->setCurrentIndex(0);
    find<QComboBox>("ComboBox1ClassFin")->setCurrentIndex(2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("4"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor commits its cell once the key is handled
    EXPECT_EQ(cell(0, 1), QStringLiteral("4"));
    EXPECT_EQ(window->logic().Input().Rows[0].CountText, QStringLiteral("4"));
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_TRUE(editing());
    // On the last row, Enter edits the same cell again.
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    EXPECT_EQ(grid()->currentRow(), 2);
    EXPECT_TRUE(editing());

    QLineEdit* outgoing = find<QLineEdit>("Edit1NBQS");
    outgoing->setFocus();
    QTest::keyClick(outgoing, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("Edit1NBQE"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("Edit1NBTS"));
    // Enter in the seeds field presses no button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(MainWindowTest, TypingOutgoingQualifiersRaisesTheSeeds) {
    shown();
    typeInto("Edit1NBTS", QStringLiteral("1"));
    typeInto("Edit1NBQS", QStringLiteral("3"));
    EXPECT_EQ(find<QLineEdit>("Edit1NBTS")->text(), QStringLiteral("3"));
    EXPECT_TRUE(window->logic().OutgoingEdited());

    typeInto("Edit1NBQS", QStringLiteral("z"));
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("'z' n'est pas une valeur entière correcte")});
    EXPECT_EQ(find<QLineEdit>("Edit1NBQS")->text(), QStringLiteral("z"));
}

TEST_F(MainWindowTest, EnregistrerBeforeAnyOpenDoesNothing) {
    shown();
    find<QAction>("EnregistrerBtn")->trigger();
    EXPECT_TRUE(prompter.fileRequests().isEmpty());
    EXPECT_TRUE(prompter.entries().isEmpty());
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST_F(MainWindowTest, OpeningAFileShowsItInTheControls) {
    SimulationInput input;
    input.RangeStart = QStringLiteral("30/5");
    input.RangeEnd = QStringLiteral("30/4");
    input.Rows = {{QStringLiteral("30/4"), QStringLiteral("3")},
                  {QStringLiteral("30/5"), QStringLiteral("8")}};
    input.QualifiersOutText = QStringLiteral("1");
    input.SeedsText = QStringLiteral("2");
    input.DrawType = SimulationInput::LineStart;
    const QString path = QDir(work.path()).filePath(QStringLiteral("club.txt"));
    ASSERT_TRUE(SimulationFile::SaveSimulation(path, input, prompter));
    shown();

    prompter.queueFileName(path);
    find<QAction>("Ouvrirfichier1")->trigger();
    EXPECT_EQ(find<QComboBox>("ComboBox1ClassDebut")->currentText(), QStringLiteral("30/5"));
    EXPECT_EQ(find<QComboBox>("ComboBox1ClassFin")->currentText(), QStringLiteral("30/4"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("8"));
    EXPECT_EQ(find<QLineEdit>("Edit1NBTS")->text(), QStringLiteral("2"));
    EXPECT_TRUE(find<QRadioButton>("RadioGroup1TypeTableau0")->isChecked());
    EXPECT_EQ(find<QLabel>("Label1FileName")->text(), QDir::toNativeSeparators(path));
    // Loading is no edit: the seeds did not follow and nothing was told.
    EXPECT_FALSE(window->logic().OutgoingEdited());

    find<QPushButton>("Button1InitZero")->click();
    EXPECT_EQ(cell(1, 1), QString());
    EXPECT_EQ(find<QLineEdit>("Edit1NBQS")->text(), QStringLiteral("0"));
    EXPECT_EQ(find<QLineEdit>("Edit1NBTS")->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, SuivantOpensTheWizardOfTheDrawTypeAndClosingGivesTheTableBack) {
    shown();
    EXPECT_EQ(host.HostTableName, QStringLiteral("Tmpaaaa.db"));
    find<QComboBox>("ComboBox1ClassDebut")->setCurrentIndex(2);
    grid()->item(0, 1)->setText(QStringLiteral("6"));
    // The staggered-entry wizard opens, modally, with the rankings; it is closed at once.
    QString opened;
    QTimer::singleShot(0, window.get(), [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->windowTitle();
            modal->close();
        }
    });
    find<QPushButton>("SuivantBtn")->click();
    EXPECT_EQ(opened, QStringLiteral("Orvanel à entrées échelonnées"));
    EXPECT_TRUE(prompter.texts().isEmpty());
    EXPECT_EQ(state.Rankings[1].Name, QStringLiteral("30/5"));
    EXPECT_EQ(state.Rankings[1].Count, 6);

    // The line-start wizard opens, modally; it is closed as soon as it shows.
    find<QRadioButton>("RadioGroup1TypeTableau0")->click();
    opened.clear();
    QTimer::singleShot(0, window.get(), [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->windowTitle();
            modal->close();
        }
    });
    find<QPushButton>("SuivantBtn")->click();
    EXPECT_EQ(opened, QStringLiteral("Orvanel à départ en ligne"));
    EXPECT_EQ(state.Rankings[1].Count, 6);

    find<QPushButton>("QuitterBtn")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(host.HostTableName, QStringLiteral("HOSTTAB.DB"));
}

TEST_F(MainWindowTest, TheUpdateItemOpensTheUpdateCheckAndAStartedUpdateEndsTheProgram) {
    shown();
    QAction* item = find<QAction>("Verifiemiseajour1");
    QWidget* asked = nullptr;
    bool started = false;
    window->setUpdateCheck([&](QWidget* parent) {
        asked = parent;
        return started;
    });
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(asked, window.get());
    EXPECT_TRUE(window->isVisible());

    started = true;
    item->trigger();
    EXPECT_FALSE(window->isVisible());
}
