#include "StaggeredOpening.h"

#include "PlayerPlacement.h"

#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"

namespace {

void takeEntrantsOff(const QString& dataLocation, Prompter& prompter) {
    RecordTable table(TableLayout::DrawLine(), dataLocation, TableNames::StaggeredDraw);
    if (!table.Open()) {
        prompter.warning(table.errorText());
        return;
    }
    if (!PlayerPlacement::EmptyDraw(table)) {
        prompter.warning(table.errorText());
    }
}

}  // namespace

BracketSettings StaggeredOpening::Prepare(StaircaseState& state, const QString& dataLocation,
                                          Prompter& prompter, int currentSolution) {
    BracketSettings settings;
    settings.Kind = BracketSettings::DrawKind::StaggeredEntry;
    settings.HideEmptyBranches = true;
    settings.EndBranches = false;
    if (!prompter.ask(Prompter::Kind::Question, Question())) {
        takeEntrantsOff(dataLocation, prompter);
        settings.HideEmptyBranches = false;
    }
    settings.SeedCount = state.Seeds;
    settings.SolutionNumber = currentSolution;
    return settings;
}
