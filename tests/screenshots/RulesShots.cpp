#include "RulesShots.h"

#include "bracket/TTableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/DrawLines.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"

#include <QTemporaryDir>

namespace {

struct Placed {
    int line;
    int position;
    const char* nom;
    int numero;
};

// Round 1 holds lines 1 to 16, round 2 lines 17 to 24, round 3 lines 25 to 28, round 4
// lines 29 and 30. Two incoming qualifiers meet on line 17; a 30/1 enters in rounds 1 to 3;
// seed 2 is better ranked than seed 1; a 30/2 meets the 30/2 entering after it; the
// matches feeding line 27 bring unequal rankings; the outgoing qualifiers stand on the
// lines of round 4.
const Placed Lines[] = {
    {1, DrawLine::IncomingQualifier, "", 1},  {2, DrawLine::IncomingQualifier, "", 2},
    {3, DrawLine::Entrant, "30/2", 0},        {4, DrawLine::Entrant, "30/3", 0},
    {5, DrawLine::Entrant, "30/1", 0},        {6, DrawLine::Entrant, "30/3", 0},
    {7, DrawLine::Entrant, "30/3", 0},        {8, DrawLine::Entrant, "30/3", 0},
    {9, DrawLine::Entrant, "30/2", 0},        {10, DrawLine::Entrant, "30/2", 0},
    {11, DrawLine::Entrant, "30/3", 0},       {12, DrawLine::Entrant, "30/3", 0},
    {13, DrawLine::Entrant, "30", 0},         {14, DrawLine::Entrant, "30", 0},
    {15, DrawLine::Entrant, "30/3", 0},       {16, DrawLine::Entrant, "30/3", 0},
    {18, DrawLine::Entrant, "30/2", 0},       {20, DrawLine::Entrant, "30/1", 0},
    {23, DrawLine::Seed, "15/4", 2},          {26, DrawLine::Entrant, "30/1", 0},
    {28, DrawLine::Seed, "15/5", 1},          {29, DrawLine::OutgoingQualifier, "", 1},
    {30, DrawLine::OutgoingQualifier, "", 2},
};

bool writeDraw(const QString& location) {
    RecordTable table(TableLayout::DrawLine(), location, TableNames::StaggeredDraw);
    if (!table.Open() || !DrawLines::FillNumbered(table, 31)) {
        return false;
    }
    for (const Placed& placed : Lines) {
        if (!table.FindKey({placed.line})) {
            return false;
        }
        table.setInteger(DrawLine::Position, placed.position);
        table.setText(DrawLine::Nom, QString::fromUtf8(placed.nom));
        if (placed.numero != 0) {
            table.setInteger(DrawLine::Numero, placed.numero);
        }
        if (!table.Post()) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool takeRulesShots(const QDir& output, const QString& dataDirectory, const SaveWindow& save) {
    QTemporaryDir dir;
    HostInterface host;
    host.InstallDirectory = dataDirectory;
    host.DataLocation = dir.path();
    host.WorkingDirectory = dir.path();
    StaircaseState state;
    state.Dimension = 16;
    state.QualifiersOut = 2;
    state.QualifiersIn = 2;
    state.Seeds = 2;
    // The staircase the panel shows: two tours of 2 and 4 matches after the 8 of round 1.
    const std::pair<const char*, int> rankings[] = {{"15/4", 1}, {"15/5", 1}, {"30", 2},
                                                    {"30/1", 3}, {"30/2", 5}, {"30/3", 7}};
    int row = 1;
    for (const auto& [name, count] : rankings) {
        state.Rankings[row++] = {QString::fromUtf8(name), count, 0};
    }
    state.TotalPlayers = 21;
    state.Solutions[1].Matches = {2, 2, 4, 8};
    state.StoredSolutions = 1;
    if (!writeDraw(dir.path())) {
        return false;
    }
    ScriptedPrompter prompter;
    TTableauPrevisualise view(host, state, prompter, BusyCursor::none());
    BracketSettings settings;
    settings.HideEmptyBranches = false;
    settings.SeedCount = 2;
    settings.SolutionNumber = 1;
    view.OpenStaggered(settings, false);
    view.logic().CheckRules();
    // Zoomed in twice, so that the marks can be read.
    view.logic().ZoomIn();
    view.logic().ZoomIn();
    return save(view, output.filePath(QStringLiteral("bracket-checked.png")));
}
