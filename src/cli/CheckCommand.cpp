#include "CheckCommand.h"

#include "CheckReport.h"
#include "CliCall.h"
#include "CliOutput.h"
#include "TelDrawCommand.h"

#include "bracket/TableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/LineStartFigures.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawExchange.h"
#include "drawtable/DrawFileJson.h"
#include "page/Page.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

QString CheckCommand::summary() const {
    return QStringLiteral("vérifie les règles et recommandations d'un tableau");
}

QString CheckCommand::details() const {
    return QStringLiteral(
        "Lit un fichier de tableau (celui qu'écrit export-draw), le met en page comme la "
        "visualisation du tableau à son ouverture, puis le vérifie comme « Vérifier » : "
        "règles de la fédération et recommandations, constats écrits dans les tables "
        "TMVERIFI.DB et TMVRFRec.db d'un dossier temporaire, marques posées sur le tableau.\n"
        "Avec --json : {\"messages\": [{\"kind\", \"item\", \"line\", \"text\"}], "
        "\"findings\": [{\"table\", les champs de la ligne}], \"banner\": {\"visible\", "
        "\"caption\", \"colour\", \"hint\"}, \"marks\": [l'état final de chaque élément "
        "touché]}. Les couleurs s'écrivent \"#rrggbb\" (null : aucune), \"style\" est la "
        "liste des styles de police (\"bold\", \"italic\", \"underline\").");
}

QList<CliCommand::Argument> CheckCommand::arguments() const {
    return {{QStringLiteral("TABLEAU.json"), QStringLiteral("le fichier du tableau")}};
}

QList<CliOption> CheckCommand::options() const {
    return {CliOption::Value(QStringLiteral("zeclass"), QStringLiteral("FICHIER"),
                             QStringLiteral("liste d'ordre des classements (par défaut celle du "
                                            "programme)"))};
}

int CheckCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    const DrawFileJson::ReadResult read = DrawFileJson::ReadFile(call.argument(0));
    if (!read.draw) {
        return output.failure(read.error);
    }
    const DrawFile& draw = *read.draw;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        return output.failure(QStringLiteral("Impossible de créer un dossier temporaire : %1")
                                  .arg(folder.errorString()));
    }
    StaircaseState state;
    if (const QString error = DrawExchange::Load(draw, folder.path(), state); !error.isEmpty()) {
        return output.failure(error);
    }
    HostInterface host = HostInterface::Start(HostInterface::Places::OfThisProgram());
    host.DataLocation = folder.path();
    host.WorkingDirectory = folder.path();
    const QString rankingOrder = call.isSet(QStringLiteral("zeclass"))
                                     ? call.value(QStringLiteral("zeclass"))
                                     : TelDrawCommand::defaultRankingOrderPath();

    // The bracket view as it opens on the draw, then its "Vérifier".
    Page page;
    ScriptedPrompter prompter;
    TableauPrevisualise view(page, state, host, prompter, BusyCursor::none());
    const DrawExchange::View shown = DrawExchange::ViewOf(draw);
    BracketSettings& settings = view.settings();
    settings.HideEmptyBranches = shown.hideEmptyBranches;
    settings.SeedCount = shown.seeds;
    settings.SolutionNumber = shown.solution;
    if (draw.kind == DrawFile::Kind::LineStart) {
        settings.Kind = BracketSettings::DrawKind::LineStart;
        view.OpenLineStart(DrawExchange::LineStartFiguresOf(draw));
    } else {
        settings.Kind = BracketSettings::DrawKind::StaggeredEntry;
        view.OpenStaggered();
    }
    const RulesVerification::Report report = view.CheckRules(rankingOrder);
    const CheckReport told(report, page, folder.path());
    return output.result(told.json(), told.lines());
}
