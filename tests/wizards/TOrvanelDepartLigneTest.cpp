#include "app/AppWindowFactory.h"
#include "bracket/ItemKeys.h"
#include "bracket/TTableauPrevisualise.h"
#include "common/FindControl.h"
#include "common/QtPrinters.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "wizards/TOrvanelDepartLigne.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class LineStartWindow : public ::testing::Test {
protected:
    void SetUp() override {
        host_.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
        host_.DataLocation = dir_.path();
        host_.WorkingDirectory = dir_.path();
        host_.HostTableName = QStringLiteral("Hote.db");
    }

    // A wizard as the main window opens it: created, given its rows, started, shown.
    TOrvanelDepartLigne& open(std::initializer_list<std::pair<const char*, int>> rows,
                              int qualifiersOut, int seeds = 0) {
        wizard_ = std::make_unique<TOrvanelDepartLigne>(host_, state_, prompter_,
                                                        BusyCursor::none(), windows_);
        int row = 1;
        for (const auto& [name, count] : rows) {
            state_.Rankings[row++] = {QString::fromUtf8(name), count, 0};
        }
        wizard_->Init(0, qualifiersOut, seeds, 0);
        wizard_->show();
        return *wizard_;
    }

    template <typename Control>
    Control* find(const char* name) const {
        return FindControl<Control>(*wizard_, name);
    }

    // "&Suivant" with the bracket view closed by `inView` as soon as it shows.
    void suivant(const std::function<void(TTableauPrevisualise&)>& inView) {
        bool shown = false;
        QTimer::singleShot(0, wizard_.get(), [&] {
            auto* view = qobject_cast<TTableauPrevisualise*>(QApplication::activeModalWidget());
            ASSERT_NE(view, nullptr);
            shown = true;
            inView(*view);
            view->reject();
        });
        find<QPushButton>("SuivantBtn")->click();
        EXPECT_TRUE(shown);
    }

    QTemporaryDir dir_;
    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    AppWindowFactory windows_{host_, state_, prompter_, BusyCursor::none()};
    std::unique_ptr<TOrvanelDepartLigne> wizard_;
};

}  // namespace

TEST_F(LineStartWindow, TheFiguresOfTheDrawAreShownInTheirLabels) {
    open({{"15", 4}, {"30", 4}, {"NC", 4}}, 1);
    EXPECT_EQ(wizard_->windowTitle(), QStringLiteral("Orvanel à départ en ligne"));
    EXPECT_EQ(find<QLabel>("LabelEffectif")->text(), QStringLiteral("12"));
    EXPECT_EQ(find<QLabel>("LabelDimensionTableau")->text(), QStringLiteral("16"));
    EXPECT_EQ(find<QLabel>("LabelNBExempts")->text(), QStringLiteral("4"));
    EXPECT_EQ(find<QLabel>("LabelNONExempts")->text(), QStringLiteral("8"));
    EXPECT_FALSE(find<QLabel>("LabelTetesSerie")->isVisible());
    EXPECT_FALSE(find<QPushButton>("PrecedentBtn")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("SuivantBtn")->isDefault());
    EXPECT_EQ(find<QTableWidget>("StringGrid1Effectif")->item(0, 1)->text(), QStringLiteral("30"));
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

TEST_F(LineStartWindow, WithoutPlayersTheMessageIsShownAndSuivantDisabled) {
    open({}, 1);
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("Manque des paramètres, compléter la structure du "
                                         "tableau,\nl'effectif, qualifiées...")});
    EXPECT_FALSE(find<QPushButton>("SuivantBtn")->isEnabled());
}

TEST_F(LineStartWindow, EnterInTheGridRecountsThePlayersAndMovesRight) {
    open({{"15", 4}}, 1);
    auto* grid = find<QTableWidget>("StringGrid1Effectif");
    grid->setFocus();
    grid->item(1, 0)->setText(QStringLiteral("7"));
    grid->setCurrentCell(1, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(find<QLabel>("LabelEffectif")->text(), QStringLiteral("7"));
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(state_.Rankings[1].Count, 7);
}

TEST_F(LineStartWindow, SuivantShowsTheOutgoingQualifiersOnTheBracket) {
    open({{"15", 12}}, 4);
    QStringList marks;
    suivant([&](TTableauPrevisualise& view) {
        for (int line = 25; line <= 28; ++line) {
            const PageItem* mark =
                view.page().find(ItemKeys::key(ItemKeys::OutgoingQualifier, 3, line));
            marks.append(mark == nullptr ? QStringLiteral("-") : mark->text);
        }
        EXPECT_EQ(view.page().find(QStringLiteral("Info1"))->text, QStringLiteral("N = 12"));
    });
    EXPECT_EQ(marks, (QStringList{QStringLiteral("Q1"), QStringLiteral("Q2"), QStringLiteral("Q3"),
                                  QStringLiteral("Q4")}));
    EXPECT_EQ(wizard_->result(), QDialog::Accepted);  // the wizard closes after "&Suivant"
    EXPECT_FALSE(wizard_->isVisible());
}

TEST_F(LineStartWindow, BuildingTheSkeletonTwiceAsksBeforeRedoingIt) {
    const QString redo = QStringLiteral(
        "La mise en place des joueurs est déjà effectuées, voulez-vous la refaire ?");
    open({{"15", 4}, {"NC", 2}}, 1, 2);
    find<QCheckBox>("CheckBox1AssistantConstructionTab")->setChecked(true);
    suivant([](TTableauPrevisualise&) {});
    EXPECT_FALSE(prompter_.texts().contains(redo));

    prompter_.clear();
    open({{"15", 4}, {"NC", 2}}, 1, 2);
    find<QCheckBox>("CheckBox1AssistantConstructionTab")->setChecked(true);
    prompter_.queueAnswer(false);
    suivant([](TTableauPrevisualise& view) {
        // The skeleton kept: its two seeds enter on the bye lines of round 2.
        EXPECT_EQ(view.page().names(ItemKeys::SeedNumber).size(), 2);
    });
    ASSERT_FALSE(prompter_.entries().isEmpty());
    EXPECT_EQ(prompter_.entries().first().text, redo);
    EXPECT_TRUE(prompter_.entries().first().question);
}
