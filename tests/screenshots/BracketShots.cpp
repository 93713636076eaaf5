#include "BracketShots.h"

#include "app/AppWindowFactory.h"
#include "bracket/ItemKeys.h"
#include "bracket/ScriptedSeedDialog.h"
#include "bracket/StaggeredOpening.h"
#include "bracket/TDlgPropriteTableau.h"
#include "bracket/TTableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/RankingLadder.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawExchange.h"
#include "drawtable/DrawLine.h"
#include "drawtable/LineAddressing.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "staircase/StaggeredSkeleton.h"
#include "wizards/LineStartWizardLogic.h"
#include "wizards/TOrvanelDepartLigne.h"

#include <QCheckBox>
#include <QTemporaryDir>

namespace {

struct Scratch {
    explicit Scratch(const QString& dataDirectory) {
        host.InstallDirectory = dataDirectory;
        host.DataLocation = dir.path();
        host.WorkingDirectory = dir.path();
        host.HostTableName = QStringLiteral("Hote.db");
    }
    TableLocations places() const { return {dir.path(), dir.path(), host.HostTableName}; }

    QTemporaryDir dir;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
};

// Four outgoing qualifiers, four seeds, rankings A 4, B 4, C 4 and D 8, four tours of four
// matches: the skeleton of a draw of 64.
void buildWorkedExample(Scratch& scratch) {
    StaircaseState& state = scratch.state;
    const std::pair<const char*, int> rankings[] = {{"A", 4}, {"B", 4}, {"C", 4}, {"D", 8}};
    int row = 1;
    for (const auto& [name, count] : rankings) {
        state.Rankings[row++] = {QString::fromUtf8(name), count, 0};
    }
    state.QualifiersOut = 4;
    state.Seeds = 4;
    state.Dimension = 64;
    state.TotalPlayers = 20;
    state.Solutions[1].Matches = {4, 4, 4, 4, 4};
    state.StoredSolutions = 1;
    state.BuildStaircase(state.Solutions[1], scratch.prompter);
    StaggeredSkeleton(state, 4, scratch.places(), scratch.prompter).TraiteSqueletteTableau();
}

// The worked example shown with its solution.
bool workedExample(const QString& dataDirectory, const QString& path, const SaveWindow& save) {
    Scratch scratch(dataDirectory);
    StaircaseState& state = scratch.state;
    buildWorkedExample(scratch);
    scratch.prompter.queueAnswer(true);
    TTableauPrevisualise view(scratch.host, state, scratch.prompter, BusyCursor::none());
    view.OpenStaggered(
        StaggeredOpening::Prepare(state, scratch.host.DataLocation, scratch.prompter, 1), true);
    return save(view, path);
}

// The worked example opened without its solution, then filled by hand as a referee does:
// every entrant dragged from the roster onto the line the skeleton had for it, the seeds
// numbered through their dialog, and the bracket redisplayed.
bool filledByHand(const QString& dataDirectory, const QString& path, const SaveWindow& save) {
    Scratch scratch(dataDirectory);
    StaircaseState& state = scratch.state;
    buildWorkedExample(scratch);
    QList<DrawFile::Line> skeleton;
    {
        RecordTable table(TableLayout::DrawLine(), scratch.dir.path(), TableNames::StaggeredDraw);
        table.Open();
        skeleton = DrawExchange::ReadLines(table);
    }
    scratch.prompter.queueAnswer(false);
    TTableauPrevisualise view(scratch.host, state, scratch.prompter, BusyCursor::none());
    view.OpenStaggered(
        StaggeredOpening::Prepare(state, scratch.host.DataLocation, scratch.prompter, 1), true);
    BracketEditor& editor = view.logic().editor();
    const LineAddressing lines(64);
    for (const DrawFile::Line& line : skeleton) {
        if (line.nom.isEmpty() || line.position < DrawLine::Entrant ||
            line.position > DrawLine::Seed) {
            continue;
        }
        const QString label =
            ItemKeys::key(ItemKeys::Name, lines.RoundOfLine(line.line), line.line);
        for (int entry = 1; entry <= 4; ++entry) {
            const QString roster = QStringLiteral("Effectif%1").arg(entry);
            if (view.page().find(roster)->text.endsWith(QStringLiteral("(%1)").arg(line.nom))) {
                ScriptedSeedDialog none({}, scratch.prompter);
                editor.Drop(roster, label, none);
            }
        }
        if (line.position == DrawLine::Seed) {
            ScriptedSeedDialog dialog(
                {{QString::number(line.numero.value_or(0)), ScriptedSeedDialog::Step::Button::Ok}},
                scratch.prompter);
            editor.Click(label, dialog);
        }
    }
    view.logic().FullRedisplay(false);
    return save(view, path);
}

// A line-start draw built by the wizard's logic with its skeleton, shown as the wizard
// shows it.
bool lineStart(const QString& dataDirectory, const QString& path, const SaveWindow& save,
               const QStringList& rankings, const QList<int>& counts, int qualifiersIn,
               int qualifiersOut, int seeds) {
    Scratch scratch(dataDirectory);
    LineStartWizardLogic wizard(scratch.state, scratch.prompter, BusyCursor::none(),
                                scratch.places(),
                                scratch.host.InstallPath(QStringLiteral("ZECLASS.TXT")));
    for (int row = 1; row <= rankings.size(); ++row) {
        scratch.state.Rankings[row] = {rankings[row - 1], counts[row - 1], 0};
    }
    wizard.Init(qualifiersIn, qualifiersOut, seeds, 0);
    wizard.AssistantConstructionTabToggled(true);
    bool saved = false;
    wizard.SuivantBtnClick([&](const LineStartFigures& figures, bool acceptEnabled) {
        TTableauPrevisualise view(scratch.host, scratch.state, scratch.prompter,
                                  BusyCursor::none());
        view.OpenLineStart(figures, acceptEnabled);
        saved = save(view, path);
        return false;
    });
    return saved;
}

// The line-start wizard itself, on the figures of the draw of 64, skeleton ticked.
bool lineStartWizard(const QString& dataDirectory, const QString& path, const SaveWindow& save,
                     const QStringList& rankings, const QList<int>& counts) {
    Scratch scratch(dataDirectory);
    // As the main window hands over: the wizard is created, then given the rows.
    AppWindowFactory windows(scratch.host, scratch.state, scratch.prompter, BusyCursor::none());
    TOrvanelDepartLigne wizard(scratch.host, scratch.state, scratch.prompter, BusyCursor::none(),
                               windows);
    for (int row = 1; row <= rankings.size(); ++row) {
        scratch.state.Rankings[row] = {rankings[row - 1], counts[row - 1], 0};
    }
    wizard.Init(3, 4, 8, 0);
    wizard.findChild<QCheckBox*>(QStringLiteral("CheckBox1AssistantConstructionTab"))
        ->setChecked(true);
    return save(wizard, path);
}

// The properties dialog as it opens over a staggered-entry draw of 64 shown with its
// empty branches.
bool propertiesDialog(const QString& path, const SaveWindow& save) {
    BracketSettings settings;
    settings.HideEmptyBranches = false;
    TDlgPropriteTableau dialog(TableProperties::Of(settings, 64));
    return save(dialog, path);
}

}  // namespace

bool takeBracketShots(const QDir& output, const QString& dataDirectory, const SaveWindow& save) {
    bool ok = workedExample(dataDirectory,
                            output.filePath(QStringLiteral("bracket-staggered-64.png")), save);
    // Rankings from 30/2 to 15/3 and 3 players from the qualifying draw: 55, 4 leaving.
    ok = lineStart(dataDirectory, output.filePath(QStringLiteral("bracket-line-start-64.png")),
                   save, RankingLadder::LadderRange(5, 10), {4, 6, 8, 10, 12, 12}, 3, 4, 8) &&
         ok;
    ok = lineStartWizard(dataDirectory, output.filePath(QStringLiteral("line-start-wizard.png")),
                         save, RankingLadder::LadderRange(5, 10), {4, 6, 8, 10, 12, 12}) &&
         ok;
    const QStringList many = RankingLadder::LadderRange(0, 11);
    ok = lineStart(dataDirectory, output.filePath(QStringLiteral("bracket-line-start-1024.png")),
                   save, many, {60, 70, 70, 70, 70, 70, 70, 80, 80, 90, 90, 90}, 0, 0, 32) &&
         ok;
    ok = filledByHand(dataDirectory, output.filePath(QStringLiteral("bracket-filled-64.png")),
                      save) &&
         ok;
    ok = propertiesDialog(output.filePath(QStringLiteral("bracket-properties.png")), save) && ok;
    return ok;
}
