#include "EntrySession.h"

#include "EntryMoves.h"
#include "ScriptedStaggeredWizard.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationInput.h"
#include "core/Wizard.h"
#include "core/WizardHandOver.h"
#include "page/Page.h"
#include "staircase/StaircaseEntry.h"
#include "staircase/StaircaseViewLogic.h"
#include "wizards/StaggeredWizardLogic.h"

#include <algorithm>
#include <memory>

namespace {

// What the wizard's showing came to.
struct Outcome {
    bool shown = false;
    bool opened = false;
    qsizetype firstMessage = 0;
    QList<PageItem> items;
    std::optional<EntryEvaluation::Result> evaluation;
    QList<int> ignored;
};

// The staggered-entry wizard as the command line shows it: the figures chosen, then
// "&Escalier" pressed when it is enabled; the staircase view plays the moves on its
// entry screen and is closed without accepting.
class EnteringWizard : public ScriptedStaggeredWizard {
public:
    EnteringWizard(StaircaseState& state, ScriptedPrompter& prompter,
                   const SolveSession::Options& options, const QStringList& moves, Outcome& outcome)
        : ScriptedStaggeredWizard(state, prompter, options),
          prompter_(prompter),
          moves_(moves),
          outcome_(outcome) {}

    void showModal() override {
        outcome_.shown = true;
        show();
        outcome_.firstMessage = prompter_.entries().size();
        if (!logic_.controls().EscalierEnabled) {
            return;
        }
        StaggeredWizardLogic::Hooks hooks;
        hooks.showManualEntry = [this] { showManualEntry(); };
        logic_.EscalierClick(hooks);
    }

private:
    void showManualEntry() {
        outcome_.opened = true;
        Page page;
        StaircaseViewLogic view(state_, page, BusyCursor::none());
        StaircaseEntry entry(state_, page, prompter_, view);
        entry.Saisirunescalier1Click();
        view.FormShow();
        for (qsizetype at = 0; at < moves_.size(); ++at) {
            if (!EntryMoves::play(moves_[at], entry, page)) {
                outcome_.ignored.append(static_cast<int>(at));
            }
        }
        for (const PageItem* item : page.items()) {
            outcome_.items.append(*item);
        }
        std::sort(outcome_.items.begin(), outcome_.items.end(),
                  [](const PageItem& a, const PageItem& b) { return a.name < b.name; });
        outcome_.evaluation = entry.LastEvaluation();
    }

    ScriptedPrompter& prompter_;
    const QStringList& moves_;
    Outcome& outcome_;
};

}  // namespace

bool EntrySession::Run(const SimulationInput& input, const SolveSession::Options& options,
                       const QStringList& moves, const QString& workingDirectory) {
    if (input.DrawType != SimulationInput::Staggered) {
        failure_ = QStringLiteral(
            "Ce fichier décrit un tableau à départ en ligne : la saisie d'un escalier ne "
            "concerne que les tableaux à entrée échelonnée.");
        return false;
    }
    StaircaseState state;
    ScriptedPrompter prompter;
    Outcome outcome;
    ScriptedWizardFactory factory(
        [&] { return std::make_unique<EnteringWizard>(state, prompter, options, moves, outcome); });
    WizardHandOver::OpenWizard(input, state, prompter, workingDirectory, factory);
    if (!outcome.shown) {
        failure_ = prompter.texts().join(QLatin1Char('\n'));
        return false;
    }
    messages_ = prompter.texts().mid(outcome.firstMessage);
    opened_ = outcome.opened;
    items_ = outcome.items;
    evaluation_ = outcome.evaluation;
    ignored_ = outcome.ignored;
    return true;
}
