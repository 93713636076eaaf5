#include "StaggeredOpening.h"

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
    RecordTable::Batch batch(table);
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.integer(DrawLine::Position) == DrawLine::OutgoingQualifier) {
            continue;
        }
        table.setText(DrawLine::Nom, QString());
        table.setText(DrawLine::Prenom, QString());
        table.setText(DrawLine::Classement, QString());
        table.setInteger(DrawLine::Position, DrawLine::Empty);
        table.Post();
    }
    if (!batch.commit()) {
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
