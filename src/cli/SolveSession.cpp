#include "SolveSession.h"

#include "ScriptedStaggeredWizard.h"

#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationInput.h"
#include "core/Wizard.h"
#include "core/WizardHandOver.h"
#include "page/Page.h"
#include "staircase/SolutionEvaluator.h"
#include "staircase/StaircaseViewLogic.h"
#include "wizards/StaggeredWizardLogic.h"

#include <memory>

namespace {

// What the wizard's showing came to.
struct Outcome {
    bool shown = false;
    bool searched = false;
    bool viewShown = false;
    StaggeredWizardLogic::Ending ending = StaggeredWizardLogic::Ending::StayOpen;
    SolveSession::SearchResult search;
};

// The staggered-entry wizard as the command line shows it: the options go into the
// controls the window would show, then "&Suivant" is pressed; the staircase view shows
// the solutions and is closed without accepting.
class SearchingWizard : public ScriptedStaggeredWizard {
public:
    SearchingWizard(StaircaseState& state, Prompter& prompter, const SolveSession::Options& options,
                    Outcome& outcome)
        : ScriptedStaggeredWizard(state, prompter, options), outcome_(outcome) {}

    void showModal() override {
        outcome_.shown = true;
        show();
        const StaggeredWizardLogic::Controls& controls = logic_.controls();
        logic_.ToursChanged(options_.maxTours);
        if (controls.AutreSolutionEnabled) {
            logic_.AutreSolutionToggled(options_.otherSolutions);
        }
        logic_.VerifToggled(!options_.keepSpread);
        if (!controls.SuivantEnabled) {
            return;
        }
        StaggeredWizardLogic::Hooks hooks;
        hooks.showSolutions = [this] { showSolutions(); };
        outcome_.searched = true;
        outcome_.ending = logic_.SuivantBtnClick(hooks);
        if (!outcome_.viewShown) {
            keepSearch();
        }
    }

private:
    // The solutions as the search left them, before the view removes any.
    void keepSearch() {
        SolveSession::SearchResult& search = outcome_.search;
        search.singleSolution = state_.SingleSolution;
        search.iterations = state_.Iterations;
        search.solutionCount = state_.SolutionCount;
        search.storedSolutions = state_.StoredSolutions;
        for (int k = 1; k <= state_.StoredSolutions; ++k) {
            search.solutions.append(state_.Solutions[k]);
        }
    }

    void showSolutions() {
        keepSearch();
        outcome_.viewShown = true;
        Page page;
        StaircaseViewLogic view(state_, page, BusyCursor::none());
        view.FormShow();
    }

    Outcome& outcome_;
};

}  // namespace

bool SolveSession::Run(const SimulationInput& input, const Options& options,
                       const QString& workingDirectory) {
    if (input.DrawType != SimulationInput::Staggered) {
        failure_ = QStringLiteral(
            "Ce fichier décrit un tableau à départ en ligne : la recherche d'escaliers ne "
            "concerne que les tableaux à entrée échelonnée.");
        return false;
    }
    ScriptedPrompter prompter;
    prompter.setRecordLimit(options.messageLimit);
    Outcome outcome;
    ScriptedWizardFactory factory(
        [&] { return std::make_unique<SearchingWizard>(state_, prompter, options, outcome); });
    WizardHandOver::OpenWizard(input, state_, prompter, workingDirectory, factory);
    messages_ = prompter.texts();
    if (prompter.omitted() > 0) {
        messages_.append(
            QStringLiteral("… et %1 autre(s) message(s), non repris ici.").arg(prompter.omitted()));
    }
    if (!outcome.shown) {
        failure_ = messages_.join(QLatin1Char('\n'));
        return false;
    }
    if (outcome.searched && outcome.ending != StaggeredWizardLogic::Ending::StayOpen) {
        // Only a count the grid could not read ends "&Suivant" this way here.
        failure_ = messages_.join(QLatin1Char('\n'));
        return false;
    }
    if (!outcome.searched) {
        failure_ = QStringLiteral(
            "Le bouton \"&Suivant\" de l'assistant reste désactivé : il faut au moins un "
            "joueur, un dernier tour (--last-round) et des couples (--couples).");
        if (!messages_.isEmpty()) {
            failure_ = messages_.join(QLatin1Char('\n')) + QLatin1Char('\n') + failure_;
        }
        return false;
    }
    search_ = outcome.search;
    // The view keeps the solutions it did not remove; a direct solution is solution 1.
    int shown = 0;
    if (outcome.viewShown) {
        shown = state_.SingleSolution ? 1 : state_.StoredSolutions;
    }
    for (int k = 1; k <= shown; ++k) {
        Evaluated evaluated;
        evaluated.solution = state_.Solutions[k];
        evaluated.check = SolutionEvaluator::Evaluate(state_, evaluated.solution);
        evaluated.dimension =
            SolutionEvaluator::DrawDimension(state_.QualifiersOut, evaluated.check.Tours);
        evaluated.steps = state_.Steps;
        view_.append(evaluated);
    }
    return true;
}
