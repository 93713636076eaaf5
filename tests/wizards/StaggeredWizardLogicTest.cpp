#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "wizards/StaggeredWizardLogic.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

using Ending = StaggeredWizardLogic::Ending;

// Records the hand-overs to the window; the view may accept the solution shown.
struct Window {
    int solutionsShown = 0;
    int manualEntries = 0;
    int repaints = 0;
    bool accept = false;
    StaircaseState* state = nullptr;

    StaggeredWizardLogic::Hooks hooks() {
        return {[this] { ++repaints; },
                [this] {
                    ++solutionsShown;
                    state->Accepted = accept;
                },
                [this] {
                    ++manualEntries;
                    state->Accepted = accept;
                },
                {},
                {}};
    }
};

// The main window's hand-over: ranking rows copied, then Init.
void HandOver(StaggeredWizardLogic& wizard, StaircaseState& state,
              std::initializer_list<std::pair<const char*, int>> rows, int qualifiersIn,
              int qualifiersOut, int seeds = 0) {
    int row = 1;
    for (const auto& [name, count] : rows) {
        state.Rankings[row].Name = QString::fromUtf8(name);
        state.Rankings[row].Count = count;
        ++row;
    }
    wizard.Init(qualifiersIn, qualifiersOut, seeds, 0);
}

}  // namespace

TEST(StaggeredWizard, InitShowsTheFiguresAndWhatIsMissing) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"15", 4}, {"30/5", 6}, {"NC", 8}}, 0, 2, 3);
    const auto& c = wizard.controls();
    EXPECT_EQ(c.StringGrid1Effectif.name(2), QStringLiteral("30/5"));
    EXPECT_EQ(c.StringGrid1Effectif.count(3), QStringLiteral("8"));
    EXPECT_EQ(c.Informations.LabelEffectif, QStringLiteral("18"));
    EXPECT_EQ(c.Informations.LabelQualifieSortants, QStringLiteral("2"));
    EXPECT_EQ(c.Informations.LabelNONExempts, QStringLiteral("-2"));
    EXPECT_EQ(state.Compressions, -2);
    EXPECT_EQ(wizard.GridPlayers, 18);
    EXPECT_TRUE(c.Informations.SeedsVisible);
    EXPECT_FALSE(c.Informations.DimensionVisible);
    EXPECT_TRUE(c.AutreSolutionEnabled);
    EXPECT_FALSE(c.PrecedentEnabled);
    // No incoming qualifiers and no couples: the couples are asked for first.
    EXPECT_FALSE(c.SuivantEnabled);
    EXPECT_FALSE(c.EscalierEnabled);
    EXPECT_TRUE(c.CouplesVisible);
    EXPECT_TRUE(wizard.NoIncomingAtStart);
    EXPECT_FALSE(c.RoundPickerVisible);
    wizard.CouplesChanged(3);
    EXPECT_TRUE(c.SuivantEnabled);
    EXPECT_EQ(c.Informations.LabelNBExempts, QStringLiteral("3"));
    EXPECT_EQ(c.Informations.LabelNONExempts, QStringLiteral("1"));
    EXPECT_EQ(state.QualifiersIn, 0);  // without qualifiers at the start, they stay 0
}

TEST(StaggeredWizard, AFinalDrawWaitsForItsLastRoundAndCouples) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"NC", 10}}, 0, 0);
    const auto& c = wizard.controls();
    EXPECT_TRUE(c.RoundPickerVisible);
    EXPECT_TRUE(state.FinalDraw);
    EXPECT_TRUE(wizard.RoundPickerShown);
    EXPECT_TRUE(wizard.CouplesShown);
    wizard.LastRoundChanged(2);
    EXPECT_EQ(state.QualifiersOut, 4);
    EXPECT_FALSE(c.SuivantEnabled);  // no couples yet
    wizard.CouplesChanged(2);
    EXPECT_TRUE(c.SuivantEnabled);
    EXPECT_TRUE(c.EscalierEnabled);
    wizard.LastRoundChanged(-1);  // no item: the figure stays
    EXPECT_EQ(state.QualifiersOut, 4);
    wizard.LastRoundChanged(5);
    EXPECT_EQ(c.Informations.LabelQualifieSortants, QStringLiteral("32"));
}

TEST(StaggeredWizard, CouplesCarryTheIncomingQualifiersWithinBounds) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"NC", 10}}, 3, 2);
    EXPECT_TRUE(wizard.controls().SuivantEnabled);
    EXPECT_FALSE(wizard.controls().CouplesVisible);
    wizard.CouplesChanged(5);
    EXPECT_EQ(state.QualifiersIn, 5);
    EXPECT_EQ(wizard.controls().Informations.LabelQualifieEntrants, QStringLiteral("5"));
    wizard.CouplesChanged(100000);
    EXPECT_EQ(state.Couples, StaggeredWizardLogic::MaxCouples);
    EXPECT_EQ(state.QualifiersIn, StaggeredWizardLogic::MaxCouples);
    wizard.CouplesChanged(-4);
    EXPECT_EQ(state.Couples, 0);
    EXPECT_FALSE(wizard.controls().SuivantEnabled);
}

TEST(StaggeredWizard, ShowingWithoutPlayersTellsWhatIsMissing) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {}, 2, 2);
    wizard.FormShow();
    EXPECT_FALSE(wizard.controls().SuivantEnabled);
    EXPECT_EQ(prompter.texts(), QStringList{StaggeredWizardLogic::MissingParametersMessage()});
    EXPECT_TRUE(prompter.texts().first().contains(QLatin1Char('\n')));
}

TEST(StaggeredWizard, EnterCopiesTheNamedColumns) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"15", 4}, {"30", 6}, {"40", 2}}, 1, 2);
    wizard.GridCellChanged(0, 1, QStringLiteral("15/1abc"));
    wizard.GridCellChanged(1, 2, QStringLiteral("six"));
    wizard.GridCellChanged(0, 3, QString());
    wizard.GridCellChanged(1, 3, QStringLiteral("9"));
    wizard.GridEnter();
    EXPECT_EQ(state.Rankings[1].Name, QStringLiteral("15/1a"));
    EXPECT_EQ(state.Rankings[2].Count, 0);
    EXPECT_EQ(state.Rankings[3].Name, QStringLiteral("40"));  // a column without name
    EXPECT_EQ(state.Rankings[3].Count, 2);
    EXPECT_EQ(wizard.controls().Informations.LabelEffectif, QStringLiteral("5"));
}

TEST(StaggeredWizard, ReadingTheGridPadsCutsAndSkips) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"NC", 2}, {"30/5", 0}, {"N°100x", 3}, {"N°1", 5}}, 0, 2);
    wizard.CouplesChanged(2);
    Window window;
    window.state = &state;
    wizard.EscalierClick(window.hooks());
    EXPECT_EQ(window.manualEntries, 1);
    EXPECT_EQ(state.Rankings[1].Name, QStringLiteral("NC  "));
    EXPECT_EQ(state.Rankings[2].Name, QStringLiteral("N°100"));  // the empty column is skipped
    EXPECT_EQ(state.Rankings[2].Count, 3);
    EXPECT_EQ(state.Rankings[3].Name, QStringLiteral("N°1 "));
    EXPECT_EQ(state.Rankings[4].Name, QString());
    EXPECT_EQ(state.TotalPlayers, 10);
    EXPECT_TRUE(state.ManualEntry);
}

TEST(StaggeredWizard, ACountThatIsNotANumberOfPlayersStopsTheCommand) {
    for (const char* typed : {"douze", "", "4096"}) {
        StaircaseState state;
        ScriptedPrompter prompter;
        StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
        HandOver(wizard, state, {{"NC", 6}, {"40", 4}}, 2, 2);
        wizard.GridCellChanged(1, 2, QString::fromUtf8(typed));
        Window window;
        window.state = &state;
        EXPECT_EQ(wizard.SuivantBtnClick(window.hooks()), Ending::CloseOk);
        EXPECT_EQ(prompter.texts(),
                  QStringList{QStringLiteral("'%1' n'est pas une valeur entière correcte")
                                  .arg(QString::fromUtf8(typed))});
        EXPECT_EQ(window.solutionsShown, 0);
        EXPECT_EQ(state.Iterations, 0);
        EXPECT_EQ(wizard.EscalierClick(window.hooks()), Ending::CloseIgnore);
        EXPECT_EQ(window.manualEntries, 0);
    }
}

TEST(StaggeredWizard, SuivantSearchesAndShowsTheSolutions) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"15", 2}, {"30", 4}, {"40", 6}, {"NC", 8}}, 2, 2);
    wizard.AutreSolutionToggled(true);
    Window window;
    window.state = &state;
    EXPECT_EQ(wizard.SuivantBtnClick(window.hooks()), Ending::StayOpen);
    const auto& c = wizard.controls();
    EXPECT_EQ(window.solutionsShown, 1);
    EXPECT_EQ(window.repaints, 2);
    EXPECT_GT(state.SolutionCount, 0);
    EXPECT_FALSE(state.SingleSolution);
    EXPECT_EQ(state.TotalPlayers, 22);
    EXPECT_EQ(c.Label1Iteration.text,
              QString::number(state.Iterations) + QStringLiteral(" Itération(s)"));
    EXPECT_TRUE(c.Label1Iteration.visible);
    EXPECT_EQ(c.Label1Solution.text,
              QString::number(state.SolutionCount) + QStringLiteral(" Solution(s) trouvée(s)"));
    EXPECT_TRUE(c.PrecedentEnabled);
    EXPECT_TRUE(c.SuivantEnabled);
    EXPECT_FALSE(c.EscalierEnabled);
    EXPECT_EQ(
        state.SolutionCount > 200,
        prompter.texts().contains(QStringLiteral("Plus de 200 solutions sont envisageables..!!!")));

    // Accepted in the view: the wizard closes.
    window.accept = true;
    EXPECT_EQ(wizard.SuivantBtnClick(window.hooks()), Ending::CloseOk);
}

TEST(StaggeredWizard, MoreThanTwoHundredSolutionsAreTold) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"NC", 40}}, 0, 8);
    wizard.CouplesChanged(2);
    wizard.VerifToggled(false);
    Window window;
    window.state = &state;
    wizard.SuivantBtnClick(window.hooks());
    EXPECT_GT(state.SolutionCount, 200);
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Plus de 200 solutions sont envisageables..!!!")});
    EXPECT_EQ(window.solutionsShown, 1);
}

TEST(StaggeredWizard, NoSolutionThenPrecedentBringsBackTheStartControls) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    // One ranking of 10 for a final: every staircase spreads it over three tours.
    HandOver(wizard, state, {{"NC", 30}}, 0, 0);
    wizard.LastRoundChanged(0);
    wizard.CouplesChanged(2);
    Window window;
    window.state = &state;
    EXPECT_EQ(wizard.SuivantBtnClick(window.hooks()), Ending::StayOpen);
    const auto& c = wizard.controls();
    EXPECT_EQ(state.SolutionCount, 0);
    EXPECT_EQ(window.solutionsShown, 0);
    EXPECT_EQ(c.Label1Solution.text, QStringLiteral("Pas de solution trouvée."));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Aucune solution de trouvée..!!")});
    EXPECT_FALSE(c.RoundPickerVisible);
    EXPECT_FALSE(c.CouplesVisible);
    EXPECT_TRUE(c.PrecedentEnabled);

    state.FinalDraw = false;
    wizard.PrecedentBtnClick();
    EXPECT_TRUE(c.RoundPickerVisible);
    EXPECT_TRUE(c.CouplesVisible);
    EXPECT_TRUE(state.FinalDraw);
    EXPECT_FALSE(c.Label1Solution.visible);
    EXPECT_FALSE(c.Label1Iteration.visible);
    EXPECT_FALSE(c.PrecedentEnabled);
}

TEST(StaggeredWizard, EqualToursAreShownWithoutSearch) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state, {{"30", 6}, {"NC", 10}}, 4, 4);
    Window window;
    window.state = &state;
    EXPECT_EQ(wizard.SuivantBtnClick(window.hooks()), Ending::StayOpen);
    EXPECT_TRUE(state.SingleSolution);
    EXPECT_EQ(state.Iterations, 0);
    EXPECT_EQ(state.Solutions[1].Matches[4], 4);
    EXPECT_FALSE(wizard.controls().Label1Solution.visible);
    EXPECT_EQ(window.solutionsShown, 1);

    // With "Recherche autres solutions" ticked, the search runs.
    wizard.AutreSolutionToggled(true);
    wizard.SuivantBtnClick(window.hooks());
    EXPECT_GT(state.Iterations, 0);
}

// Twelve rankings and incoming qualifiers: many candidates overflow the eight entries of
// a step, and the window folds those messages between the two hooks of the search.
TEST(StaggeredWizard, TheSearchAloneLiesBetweenItsTwoHooks) {
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
    HandOver(wizard, state,
             {{"15/2", 2},
              {"15/3", 3},
              {"15/4", 4},
              {"15/5", 6},
              {"30", 5},
              {"30/1", 8},
              {"30/2", 9},
              {"30/3", 7},
              {"30/4", 10},
              {"30/5", 14},
              {"40", 12},
              {"NC", 16}},
             6, 8, 8);
    Window window;
    window.state = &state;
    StaggeredWizardLogic::Hooks hooks = window.hooks();
    qsizetype atStart = -1;
    qsizetype atEnd = -1;
    hooks.searchStarted = [&] { atStart = prompter.entries().size(); };
    hooks.searchEnded = [&] { atEnd = prompter.entries().size(); };
    wizard.SuivantBtnClick(hooks);
    EXPECT_EQ(atStart, 0);
    ASSERT_GT(atEnd, 100);
    EXPECT_EQ(prompter.texts().mid(0, atEnd),
              QStringList(atEnd, StaircaseState::EntryOverflowMessage()));
    EXPECT_EQ(prompter.texts().mid(atEnd),
              QStringList{QStringLiteral("Plus de 200 solutions sont envisageables..!!!")});

    // Equal tours need no search: neither hook is called.
    atStart = atEnd = -1;
    StaircaseState equal;
    StaggeredWizardLogic direct(equal, prompter, BusyCursor::none());
    HandOver(direct, equal, {{"30", 6}, {"NC", 10}}, 4, 4);
    window.state = &equal;
    direct.SuivantBtnClick(hooks);
    EXPECT_TRUE(equal.SingleSolution);
    EXPECT_EQ(atStart, -1);
    EXPECT_EQ(atEnd, -1);
}

TEST(StaggeredWizard, EscalierOpensNothingTheEntryCouldNotShow) {
    for (const auto& [count, out] : {std::pair{100, 2}, std::pair{6, 50}}) {
        StaircaseState state;
        ScriptedPrompter prompter;
        StaggeredWizardLogic wizard(state, prompter, BusyCursor::none());
        HandOver(wizard, state, {{"NC", count}, {"40", 4}}, 2, out);
        Window window;
        window.state = &state;
        EXPECT_EQ(wizard.EscalierClick(window.hooks()), Ending::StayOpen);
        EXPECT_EQ(window.manualEntries, 0);
        EXPECT_EQ(prompter.texts(),
                  QStringList{QStringLiteral("Opération refusée : l'escalier ne peut afficher "
                                             "que des nombres de -9 à 99.")});
        EXPECT_TRUE(wizard.controls().PrecedentEnabled);
    }
}
