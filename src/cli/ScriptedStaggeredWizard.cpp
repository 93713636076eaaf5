#include "ScriptedStaggeredWizard.h"

#include "core/BusyCursor.h"

ScriptedStaggeredWizard::ScriptedStaggeredWizard(StaircaseState& state, Prompter& prompter,
                                                 const SolveSession::Options& options)
    : state_(state), logic_(state, prompter, BusyCursor::none()), options_(options) {}

void ScriptedStaggeredWizard::Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) {
    logic_.Init(qualifiersIn, qualifiersOut, seeds, dimension);
}

void ScriptedStaggeredWizard::show() {
    logic_.FormShow();
    if (options_.lastRound && logic_.controls().RoundPickerVisible) {
        logic_.LastRoundChanged(*options_.lastRound);
    }
    if (options_.couples && logic_.controls().CouplesVisible) {
        logic_.CouplesChanged(*options_.couples);
    }
}
