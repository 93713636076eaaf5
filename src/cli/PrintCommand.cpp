#include "PrintCommand.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "ReportExport.h"

#include "core/StaircaseState.h"
#include "drawtable/DrawExchange.h"
#include "drawtable/DrawFileJson.h"
#include "reports/DrawPrintFlow.h"
#include "reports/ReportJson.h"

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString PerSheet = QStringLiteral("per-sheet");

QString usage() {
    return QStringLiteral(
        "Usage : orvanel-cli print DRAW.json (--pdf FICHIER | --png DOSSIER | "
        "--svg DOSSIER) [options] (orvanel-cli print --help pour l'aide)");
}

}  // namespace

QString PrintCommand::summary() const {
    return QStringLiteral("imprime un tableau en PDF, PNG ou SVG");
}

QString PrintCommand::details() const {
    return QStringLiteral(
        "Ce que fait \"Imprimer le tableau\" de l'affichage du tableau : le découpage en "
        "feuilles, une feuille par page avec le bloc titre, écrites dans un PDF, en images PNG "
        "ou en SVG. DRAW.json est le fichier qu'écrit export-draw. Sans --per-sheet, 64 "
        "entrées par feuille, ou 128 pour un tableau de plus de 64 entrées, comme le "
        "dialogue d'impression.");
}

QList<CliCommand::Argument> PrintCommand::arguments() const {
    return {{QStringLiteral("DRAW.json"), QStringLiteral("le tableau, écrit par export-draw")}};
}

QList<CliOption> PrintCommand::options() const {
    QList<CliOption> options{
        CliOption::Integer(PerSheet, QStringLiteral("N"),
                           QStringLiteral("entrées au plus par feuille : 32, 64, 128 ou 256")),
        CliOption::Switch(QStringLiteral("landscape"), QStringLiteral("papier en paysage")),
        CliOption::Switch(QStringLiteral("a3"), QStringLiteral("papier A3")),
        CliOption::Switch(QStringLiteral("frame"),
                          QStringLiteral("encadre le nom du joueur (décoche \"Sans encadrement "
                                         "nom du joueur\")")),
        CliOption::Switch(QStringLiteral("empty-branches"),
                          QStringLiteral("\"Tableau avec les branches vides\"")),
        CliOption::Switch(QStringLiteral("end-branches"),
                          QStringLiteral("\"Avec branches fin de tableau\"")),
        CliOption::Switch(QStringLiteral("sheet-by-sheet"),
                          QStringLiteral("\"Edition feuille à feuille pour enregistrement\" : avec "
                                         "--pdf, un fichier par feuille")),
    };
    options.append(ReportExport::Options(true));
    return options;
}

int PrintCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    if (const QString problem = ReportExport::Problem(call); !problem.isEmpty()) {
        return output.usageError(problem, usage());
    }
    const std::optional<int> perSheet = call.integer(PerSheet);
    if (perSheet && *perSheet != 32 && *perSheet != 64 && *perSheet != 128 && *perSheet != 256) {
        return output.usageError(
            QStringLiteral("Le nombre d'entrées par feuille est 32, 64, 128 ou 256."), usage());
    }
    const DrawFileJson::ReadResult read = DrawFileJson::ReadFile(call.argument(0));
    if (!read.draw) {
        return output.failure(read.error);
    }
    DrawFile draw = *read.draw;
    std::sort(draw.lines.begin(), draw.lines.end(),
              [](const DrawFile::Line& a, const DrawFile::Line& b) { return a.line < b.line; });
    // The draw is loaded as the program would show it: its figures into a state of its
    // own, its lines into a working table of a temporary folder.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        return output.failure(
            QStringLiteral("Impossible de créer un dossier de travail temporaire."));
    }
    StaircaseState state;
    if (const QString error = DrawExchange::Load(draw, folder.path(), state); !error.isEmpty()) {
        return output.failure(error);
    }

    DrawPrintOptions options;
    options.PerSheet = perSheet.value_or(
        DrawPrintFlow::PerSheetOfItem(DrawPrintFlow::DefaultListItem(draw.dimension)));
    options.SansCadre = !call.isSet(QStringLiteral("frame"));
    options.AvecBranchesVides = call.isSet(QStringLiteral("empty-branches"));
    options.AvecBranchesFinTab = call.isSet(QStringLiteral("end-branches"));
    options.UneFeuille = call.isSet(QStringLiteral("sheet-by-sheet"));
    options.Paysage = call.isSet(QStringLiteral("landscape"));

    DrawPrintFlow::Inputs inputs;
    inputs.draw = &draw;
    inputs.state = &state;
    inputs.solutionNumber = draw.tee.solution;
    inputs.lineStart = {draw.tel.E, draw.tel.NE, draw.seeds, {}};
    inputs.versionLabelText = VersionLabelText();
    if (call.isSet(QStringLiteral("a3"))) {
        inputs.paper.size = QPageSize::A3;
    }
    const DrawPrintFlow::Sheets sheets = DrawPrintFlow::Build(inputs, options);

    ReportRenderer::Pages pages;
    QJsonArray sheetsJson;
    for (const auto& report : sheets.reports) {
        pages.append(&report->page());
        sheetsJson.append(
            QJsonObject{{QStringLiteral("page"), ReportJson::PageJson(report->page())},
                        {QStringLiteral("elements"), ReportJson::ElementsJson(report->page())}});
    }
    QStringList written;
    if (const QString error = ReportExport::Write(call, pages, options.UneFeuille, written);
        !error.isEmpty()) {
        return output.failure(error);
    }
    const QJsonObject json{
        {QStringLiteral("sheetPlan"),
         QJsonObject{{QStringLiteral("partCount"), sheets.plan.PartCount},
                     {QStringLiteral("sheetCount"), sheets.plan.SheetCount}}},
        {QStringLiteral("messages"), QJsonArray::fromStringList(sheets.messages)},
        {QStringLiteral("sheets"), sheetsJson},
    };
    QStringList lines = sheets.messages;
    lines.append(QStringLiteral("%1 feuille(s) imprimée(s) :").arg(sheets.plan.SheetCount));
    for (const QString& path : written) {
        lines.append(QStringLiteral("  ") + QDir::toNativeSeparators(path));
    }
    return output.result(json, lines);
}
