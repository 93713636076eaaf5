#include "PrintStaircaseCommand.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "InputCommand.h"
#include "PrintCommand.h"
#include "ReportExport.h"
#include "SolveCommand.h"
#include "SolveSession.h"

#include "reports/ReportJson.h"
#include "reports/StaircasePrintFlow.h"

#include <QDir>
#include <QJsonArray>

namespace {

const QString All = QStringLiteral("all");
const QString Solution = QStringLiteral("solution");

QString usage() {
    return QStringLiteral(
        "Usage : orvanel-cli print-staircase FICHIER (--all | --solution K) "
        "(--pdf FICHIER | --png DOSSIER | --svg DOSSIER) [options] "
        "(orvanel-cli print-staircase --help pour l'aide)");
}

}  // namespace

QString PrintStaircaseCommand::summary() const {
    return QStringLiteral("imprime les escaliers d'un tableau à entrée échelonnée");
}

QString PrintStaircaseCommand::details() const {
    return QStringLiteral(
        "Ce que fait \"Imprimer l'escalier\" de l'affichage des solutions, après la recherche "
        "de solve : toutes les solutions gardées (--all, cinq au plus par page et 50 pages au "
        "plus) ou la solution K (--solution K), écrites dans un PDF, en images PNG ou en SVG.");
}

QList<CliCommand::Argument> PrintStaircaseCommand::arguments() const {
    return {InputCommand::InputFile()};
}

QList<CliOption> PrintStaircaseCommand::options() const {
    QList<CliOption> options = SolveCommand::SearchOptions();
    options.append(CliOption::Switch(All, QStringLiteral("toutes les solutions gardées")));
    options.append(CliOption::Integer(Solution, QStringLiteral("K"),
                                      QStringLiteral("la solution K seulement")));
    options.append(ReportExport::Options(true));
    return options;
}

int PrintStaircaseCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    if (call.isSet(All) == call.isSet(Solution)) {
        return output.usageError(QStringLiteral("Choisissez --all ou --solution K, l'un des deux."),
                                 usage());
    }
    if (const QString problem = ReportExport::Problem(call); !problem.isEmpty()) {
        return output.usageError(problem, usage());
    }
    SolveSession session;
    if (const std::optional<int> failed = SolveCommand::Solve(call, session)) {
        return *failed;
    }
    const StaircaseState& state = session.state();
    const TQR1EscalierTab::Texts texts{PrintCommand::VersionLabelText(), QString()};
    StaircasePrintFlow::Reports reports;
    if (call.isSet(All)) {
        reports = StaircasePrintFlow::PrintAll(state, texts);
    } else {
        const int solution = *call.integer(Solution);
        if (state.StoredSolutions >= 1 && (solution < 1 || solution > state.StoredSolutions)) {
            return output.failure(
                QStringLiteral("La solution %1 n'existe pas : il y a %2 solution(s), de 1 à %2.")
                    .arg(solution)
                    .arg(state.StoredSolutions));
        }
        reports = StaircasePrintFlow::PrintOne(state, texts, solution);
    }

    ReportRenderer::Pages pages;
    QJsonArray sheets;
    for (const auto& page : reports.pages) {
        pages.append(&page->page());
        QJsonArray numbers;
        for (int number : page->solutions()) {
            numbers.append(number);
        }
        sheets.append(
            QJsonObject{{QStringLiteral("solutions"), numbers},
                        {QStringLiteral("page"), ReportJson::PageJson(page->page())},
                        {QStringLiteral("elements"), ReportJson::ElementsJson(page->page())}});
    }
    QStringList written;
    if (const QString error = ReportExport::Write(call, pages, false, written); !error.isEmpty()) {
        return output.failure(error);
    }
    QStringList messages;
    if (!reports.message.isEmpty()) {
        messages.append(reports.message);
    }
    const QJsonObject json{{QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
                           {QStringLiteral("sheets"), sheets}};
    QStringList lines = messages;
    lines.append(QStringLiteral("%1 page(s) imprimée(s) :").arg(pages.size()));
    for (const QString& path : written) {
        lines.append(QStringLiteral("  ") + QDir::toNativeSeparators(path));
    }
    return output.result(json, lines);
}
