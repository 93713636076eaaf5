#include "StaggeredWizardLogic.h"

#include "StaircaseSearch.h"
#include "core/BusyCursor.h"
#include "core/IntegerText.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "staircase/StaircaseEntry.h"

#include <algorithm>

namespace {

QString Number(long long value) {
    return QString::number(value);
}

void Call(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

}  // namespace

StaggeredWizardLogic::StaggeredWizardLogic(StaircaseState& state, Prompter& prompter,
                                           BusyCursor& cursor)
    : state_(state), prompter_(prompter), cursor_(cursor) {
    state_.ResetStaircase();
}

QString StaggeredWizardLogic::MissingParametersMessage() {
    return QStringLiteral(
        "Manque des paramètres, compléter la structure du tableau,\nl'effectif, qualifiées...");
}

void StaggeredWizardLogic::setSearchEnabled(bool enabled) {
    controls_.SuivantEnabled = enabled;
    controls_.EscalierEnabled = enabled;
}

void StaggeredWizardLogic::Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) {
    int g = 0;
    for (int row = 1; row <= StaircaseState::RankingCount; ++row) {
        const RankingRow& ranking = state_.Rankings[row];
        if (!ranking.Name.isEmpty()) {
            controls_.StringGrid1Effectif.name(row) = ranking.Name;
            controls_.StringGrid1Effectif.count(row) = Number(ranking.Count);
            g += ranking.Count;
        }
    }
    controls_.Informations.LabelEffectif = Number(g + qualifiersIn);
    controls_.Informations.LabelQualifieSortants = Number(qualifiersOut);
    controls_.Informations.LabelQualifieEntrants = Number(qualifiersIn);
    controls_.Informations.LabelTetesSerie = Number(seeds);
    state_.Compressions = static_cast<std::int16_t>(qualifiersIn - qualifiersOut);
    controls_.Informations.LabelNONExempts = Number(state_.Compressions);
    controls_.Informations.LabelNBExempts = Number(qualifiersIn);
    controls_.Informations.LabelDimensionTableau = Number(dimension);

    state_.QualifiersIn = static_cast<std::int16_t>(qualifiersIn);
    state_.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
    state_.Seeds = static_cast<std::int16_t>(seeds);
    GridPlayers = g;
    state_.Couples = static_cast<std::int16_t>(qualifiersIn);
    state_.Dimension = static_cast<std::int16_t>(dimension);
    state_.FinalDraw = false;

    controls_.AutreSolutionEnabled = true;
    controls_.Informations.SeedsVisible = seeds != 0;
    controls_.Informations.DimensionVisible = dimension != 0;
    CouplesShown = false;
    RoundPickerShown = false;
    NoIncomingAtStart = false;
    if (qualifiersOut == 0) {
        // A final draw: the last round is chosen before anything can be searched.
        controls_.RoundPickerVisible = true;
        state_.FinalDraw = true;
        setSearchEnabled(false);
        RoundPickerShown = true;
        if (state_.Couples == 0) {
            controls_.CouplesVisible = true;
            CouplesShown = true;
        }
    }
    if (qualifiersIn == 0) {
        setSearchEnabled(false);
        NoIncomingAtStart = true;
        if (state_.Couples == 0) {
            controls_.CouplesVisible = true;
            CouplesShown = true;
        }
    }
    controls_.PrecedentEnabled = false;
}

void StaggeredWizardLogic::FormShow() {
    if (GridPlayers == 0) {
        setSearchEnabled(false);
        prompter_.message(MissingParametersMessage());
    }
}

void StaggeredWizardLogic::UpdateFigures() {
    setSearchEnabled(state_.Couples > 0 && state_.QualifiersOut > 0);
    if (state_.QualifiersIn > 0) {
        state_.QualifiersIn = state_.Couples;
    }
    controls_.Informations.LabelQualifieSortants = Number(state_.QualifiersOut);
    controls_.Informations.LabelQualifieEntrants = Number(state_.QualifiersIn);
    state_.Compressions = static_cast<std::int16_t>(state_.Couples - state_.QualifiersOut);
    controls_.Informations.LabelNONExempts = Number(state_.Compressions);
    controls_.Informations.LabelNBExempts = Number(state_.Couples);
}

void StaggeredWizardLogic::LastRoundChanged(int item) {
    controls_.ComboBox1Sortant = item;
    if (item >= 0 && item <= 5) {
        state_.QualifiersOut = static_cast<std::int16_t>(1 << item);
    }
    UpdateFigures();
}

void StaggeredWizardLogic::CouplesChanged(int value) {
    controls_.SpinEdit1Couple = std::clamp(value, 0, MaxCouples);
    state_.Couples = static_cast<std::int16_t>(controls_.SpinEdit1Couple);
    UpdateFigures();
}

void StaggeredWizardLogic::GridEnter() {
    const int sum = controls_.StringGrid1Effectif.ReadOnEnter(state_);
    controls_.Informations.LabelEffectif = Number(sum + state_.QualifiersIn);
}

bool StaggeredWizardLogic::readGrid() {
    state_.ResetSteps();
    state_.ResetStaircase();
    state_.TotalPlayers = 0;
    const auto refused = controls_.StringGrid1Effectif.ReadForSearch(state_);
    if (refused) {
        prompter_.message(IntegerText::conversionError(*refused));
        return false;
    }
    return true;
}

StaggeredWizardLogic::Ending StaggeredWizardLogic::SuivantBtnClick(const Hooks& hooks) {
    state_.Accepted = false;
    state_.ManualEntry = false;
    controls_.PrecedentEnabled = true;
    controls_.RoundPickerVisible = false;
    controls_.CouplesVisible = false;
    state_.Iterations = 0;
    BusyCursorScope wait(cursor_);
    if (!readGrid()) {
        // The button marked the window for closing before the command ran.
        return Ending::CloseOk;
    }
    StaircaseSearch search(state_, prompter_);
    search.PrepareSearch();
    if (search.DirectSolutionApplies(controls_.AutreSolutionChecked)) {
        search.DirectSolution();
        wait.pause();
        Call(hooks.showSolutions);
    } else {
        controls_.Label1Solution = {QStringLiteral("Recherche solution..."), true};
        Call(hooks.repaint);
        controls_.SuivantEnabled = false;
        controls_.EscalierEnabled = false;
        controls_.HelpEnabled = false;
        Call(hooks.searchStarted);
        search.SearchSolutions(controls_.SpinEdit1NbTout, controls_.VerifChecked);
        controls_.Label1Iteration = {Number(state_.Iterations) + QStringLiteral(" Itération(s)"),
                                     true};
        controls_.Label1Solution.text =
            Number(state_.SolutionCount) + QStringLiteral(" Solution(s) trouvée(s)");
        Call(hooks.repaint);
        controls_.SuivantEnabled = true;
        controls_.CancelEnabled = true;
        controls_.HelpEnabled = true;
        // The messages and the view take the normal cursor.
        wait.pause();
        Call(hooks.searchEnded);
        if (state_.SolutionCount > StaircaseState::SolutionCapacity) {
            prompter_.message(QStringLiteral("Plus de %1 solutions sont envisageables..!!!")
                                  .arg(StaircaseState::SolutionCapacity));
        }
        if (state_.SolutionCount == 0) {
            controls_.Label1Solution.text = QStringLiteral("Pas de solution trouvée.");
            prompter_.message(QStringLiteral("Aucune solution de trouvée..!!"));
            controls_.PrecedentEnabled = true;
        } else {
            state_.SingleSolution = false;
            Call(hooks.showSolutions);
        }
    }
    if (state_.Accepted) {
        return Ending::CloseOk;
    }
    controls_.PrecedentEnabled = true;
    return Ending::StayOpen;
}

StaggeredWizardLogic::Ending StaggeredWizardLogic::EscalierClick(const Hooks& hooks) {
    state_.ManualEntry = true;
    if (!readGrid()) {
        return Ending::CloseIgnore;
    }
    state_.TotalPlayers = static_cast<std::int16_t>(state_.TotalPlayers + state_.QualifiersIn);
    if (const std::optional<QString> refused = StaircaseEntry::Refusal(state_)) {
        prompter_.message(*refused);
    } else {
        Call(hooks.showManualEntry);
    }
    if (state_.Accepted) {
        return Ending::CloseOk;
    }
    controls_.PrecedentEnabled = true;
    return Ending::StayOpen;
}

void StaggeredWizardLogic::PrecedentBtnClick() {
    controls_.Label1Solution.visible = false;
    controls_.Label1Iteration.visible = false;
    if (RoundPickerShown) {
        controls_.RoundPickerVisible = true;
        state_.FinalDraw = true;
        if (CouplesShown) {
            controls_.CouplesVisible = true;
        }
    }
    if (NoIncomingAtStart && CouplesShown) {
        controls_.CouplesVisible = true;
    }
    controls_.PrecedentEnabled = false;
}
