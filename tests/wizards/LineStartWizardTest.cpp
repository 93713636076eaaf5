#include "GridTyping.h"
#include "LineStartTestSupport.h"

using LineStartWizard = LineStartFixture;

TEST_F(LineStartWizard, InitComputesTheFiguresAndTheirLabels) {
    LineStartWizardLogic& logic = wizard({{"15", 4}, {"30", 4}, {"NC", 4}}, 0, 1, 0);
    const LineStartFigures& figures = logic.figures();
    EXPECT_EQ(figures.GridPlayers, 12);
    EXPECT_EQ(figures.LineDimension, 16);
    EXPECT_EQ(figures.Byes, 4);
    EXPECT_EQ(figures.NonByes, 8);
    EXPECT_FALSE(figures.LineFinalDraw);
    const LineStartWizardLogic::Controls& controls = logic.controls();
    EXPECT_EQ(controls.StringGrid1Effectif.name(2), QStringLiteral("30"));
    EXPECT_EQ(controls.StringGrid1Effectif.count(3), QStringLiteral("4"));
    const WizardInformations& box = controls.Informations;
    EXPECT_EQ(box.LabelEffectif, QStringLiteral("12"));
    EXPECT_EQ(box.LabelDimensionTableau, QStringLiteral("16"));
    EXPECT_EQ(box.LabelNBExempts, QStringLiteral("4"));
    EXPECT_EQ(box.LabelNONExempts, QStringLiteral("8"));
    EXPECT_FALSE(box.SeedsVisible);
    EXPECT_FALSE(controls.PrecedentEnabled);
    EXPECT_TRUE(controls.SuivantEnabled);
}

TEST_F(LineStartWizard, QualifiersDecideTheEntriesTheFinalDrawAndTheSections) {
    LineStartWizardLogic& withIncoming = wizard({{"15", 9}}, 3, 0, 2);
    EXPECT_EQ(withIncoming.figures().players(), 12);
    EXPECT_EQ(withIncoming.figures().LineDimension, 16);
    EXPECT_TRUE(withIncoming.figures().LineFinalDraw);
    EXPECT_TRUE(withIncoming.controls().Informations.SeedsVisible);
    LineStartWizardLogic& sections = wizard({{"15", 10}}, 0, 3, 0);
    EXPECT_EQ(sections.figures().LineDimension, 12);
    EXPECT_EQ(sections.figures().Byes, 2);
}

TEST_F(LineStartWizard, WithoutPlayersSuivantIsDisabledWithTheMessage) {
    LineStartWizardLogic& logic = wizard({}, 2, 1, 0);
    logic.FormShow();
    EXPECT_FALSE(logic.controls().SuivantEnabled);
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral(
                                     "Manque des paramètres, compléter la structure du tableau,\n"
                                     "l'effectif, qualifiées...")});
    EXPECT_FALSE(next(false));
}

TEST_F(LineStartWizard, EnterInTheGridRecountsThePlayersButNotTheDimension) {
    LineStartWizardLogic& logic = wizard({{"15", 4}}, 1, 1, 0);
    TypeInGrid(logic, {{"15/1234", "6"}, {"", "9"}, {"30", "trois"}});
    logic.GridEnter();
    EXPECT_EQ(state_.Rankings[1].Name, QStringLiteral("15/12"));
    EXPECT_EQ(state_.Rankings[1].Count, 6);
    EXPECT_EQ(state_.Rankings[3].Count, 0);  // not an integer
    EXPECT_EQ(logic.figures().GridPlayers, 6);
    EXPECT_EQ(logic.controls().Informations.LabelEffectif, QStringLiteral("7"));
    EXPECT_EQ(logic.figures().LineDimension, 8);
    TypeInGrid(logic, {{"15", "99999"}, {"", ""}, {"", ""}});
    logic.GridEnter();
    EXPECT_EQ(logic.figures().GridPlayers, 0);
}

TEST_F(LineStartWizard, OneOutgoingQualifierLeavesFromTheLastLine) {
    wizard({{"15", 4}, {"30", 4}, {"NC", 4}}, 0, 1, 0);
    ASSERT_TRUE(next(false));
    EXPECT_EQ(placed(), QStringList{QStringLiteral("31:5:1:")});
    EXPECT_EQ(lines().size(), 31u);
    EXPECT_EQ(wizard_->figures().PowerDimension, 16);
    EXPECT_FALSE(state_.FinalDraw);
    EXPECT_EQ(shown_.LineDimension, 16);
    EXPECT_EQ(shown_.players(), 12);
    EXPECT_TRUE(acceptEnabled_);
}

TEST_F(LineStartWizard, FourOutgoingQualifiersLeaveFromTheThirdRound) {
    wizard({{"15", 12}}, 0, 4, 0);
    ASSERT_TRUE(next(false));
    EXPECT_EQ(placed(), (QStringList{QStringLiteral("25:5:1:"), QStringLiteral("26:5:2:"),
                                     QStringLiteral("27:5:3:"), QStringLiteral("28:5:4:")}));
}

TEST_F(LineStartWizard, ASectionDrawHasTwentyThreeLinesAndThreeOutgoingLines) {
    wizard({{"15", 10}}, 0, 3, 0);
    ASSERT_TRUE(next(false));
    EXPECT_EQ(lines().size(), 23u);
    EXPECT_EQ(placed(), (QStringList{QStringLiteral("19:5:1:"), QStringLiteral("20:5:2:"),
                                     QStringLiteral("21:5:3:")}));
}

TEST_F(LineStartWizard, AFinalDrawMarksNoLineAndSetsTheSharedFlag) {
    wizard({{"15", 6}}, 0, 0, 0);
    ASSERT_TRUE(next(false));
    EXPECT_TRUE(placed().isEmpty());
    EXPECT_TRUE(state_.FinalDraw);
}

TEST_F(LineStartWizard, TheTableIsReusedUnlessTheOutgoingQualifiersWereEdited) {
    wizard({{"15", 4}, {"NC", 3}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    const QStringList built = placed();
    ASSERT_GT(built.size(), 1);
    wizard({{"15", 4}, {"NC", 3}}, 0, 1, 0);
    ASSERT_TRUE(next(false));
    EXPECT_EQ(placed(), built);
    wizard({{"15", 4}, {"NC", 3}}, 0, 1, 0);
    wizard_->setOutgoingEdited(true);
    ASSERT_TRUE(next(false));
    EXPECT_EQ(placed(), QStringList{QStringLiteral("15:5:1:")});
}

TEST_F(LineStartWizard, AcceptIsOfferedOnlyWhenTheHostTableIsNotTheStaggeredOne) {
    wizard_ = std::make_unique<LineStartWizardLogic>(
        state_, prompter_, BusyCursor::none(),
        TableLocations{dir_.path(), dir_.path(), QStringLiteral("Tmpaaaa.db")}, QString());
    state_.Rankings[1] = {QStringLiteral("15"), 3, 0};
    wizard_->Init(0, 1, 0, 0);
    ASSERT_TRUE(next(false));
    EXPECT_FALSE(acceptEnabled_);
}
