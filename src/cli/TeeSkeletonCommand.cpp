#include "TeeSkeletonCommand.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "DrawFileOption.h"
#include "DrawTableJson.h"
#include "InputCommand.h"
#include "SolveCommand.h"
#include "SolveSession.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationInput.h"
#include "drawtable/TableLocations.h"
#include "page/Page.h"
#include "staircase/StaggeredSkeleton.h"
#include "staircase/StaircaseViewLogic.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <optional>

QString TeeSkeletonCommand::summary() const {
    return QStringLiteral("le squelette d'un tableau à entrée échelonnée");
}

QString TeeSkeletonCommand::details() const {
    return QStringLiteral(
        "La recherche de solve, puis la solution K de l'affichage (après le retrait des "
        "solutions incorrectes ; 1 pour une solution directe) construite dans \"Tmpaaaa.db\" "
        "du dossier DOSSIER. Les messages sont ceux de la construction.");
}

QList<CliCommand::Argument> TeeSkeletonCommand::arguments() const {
    return {InputCommand::InputFile()};
}

QList<CliOption> TeeSkeletonCommand::options() const {
    return QList<CliOption>{
               CliOption::Integer(QStringLiteral("solution"), QStringLiteral("K"),
                                  QStringLiteral("la solution de l'affichage à construire"))
                   .mandatory(),
               CliOption::Value(QStringLiteral("data"), QStringLiteral("DOSSIER"),
                                QStringLiteral("dossier des tables et de la sauvegarde "
                                               "tmpSauve.txt (par défaut un dossier temporaire, "
                                               "effacé à la fin)")),
               DrawFileOption::Option(),
           } +
           SolveCommand::SearchOptions();
}

int TeeSkeletonCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    const int solution = *call.integer(QStringLiteral("solution"));
    const QString data = call.value(QStringLiteral("data"));
    QTemporaryDir temporary;
    const QString folder = data.isEmpty() ? temporary.path() : data;
    if (!QFileInfo(folder).isDir()) {
        return output.failure(QStringLiteral("Le dossier \"%1\" n'existe pas.").arg(folder));
    }
    SimulationInput input;
    if (const std::optional<int> failed = InputCommand::load(call.argument(0), input, output)) {
        return *failed;
    }
    SolveSession session;
    if (!session.Run(input, SolveCommand::Search(call), folder)) {
        return output.failure(session.failure());
    }
    if (solution < 1 || solution > session.view().size()) {
        return output.failure(
            QStringLiteral("La solution %1 n'existe pas : l'affichage garde %2 solution(s).")
                .arg(solution)
                .arg(session.view().size()));
    }

    // The staircase view shows solution K, which fixes the steps, the dimension and the
    // tour count; "Visualiser le tableau" then builds the skeleton.
    StaircaseState state = session.state();
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.CurrentSolution = static_cast<std::int16_t>(solution);
    view.TraiteUneSolution(solution, false);
    ScriptedPrompter prompter;
    const TableLocations places{folder, folder, TableNames::DefaultHost};
    const bool built =
        StaggeredSkeleton(state, view.TourCount, places, prompter).TraiteSqueletteTableau();
    // As the bracket view opens on it when the question is answered Yes; a skeleton that
    // could not be built is no draw to hand on.
    const DrawExchange::View shown{DrawFile::Kind::Staggered, true, state.Seeds, solution, 0, 0};
    if (built) {
        if (const QString failed = DrawFileOption::Write(call, folder, state, shown);
            !failed.isEmpty()) {
            return output.failure(failed);
        }
    }

    const DrawTableJson::Lines lines =
        DrawTableJson::read(folder, TableNames::StaggeredDraw, false);
    const QJsonObject object{
        {QStringLiteral("dimension"), state.Dimension},
        {QStringLiteral("tourCount"), view.TourCount},
        {QStringLiteral("errors"), state.SkeletonErrorCount},
        {QStringLiteral("errorText"), state.SkeletonErrorText},
        {QStringLiteral("messages"), QJsonArray::fromStringList(prompter.texts())},
        {QStringLiteral("lines"), lines.json}};
    QStringList text{QStringLiteral("Tableau à %1 entrées sur %2 tour(s)")
                         .arg(state.Dimension)
                         .arg(view.TourCount),
                     QStringLiteral("Erreurs : %1").arg(state.SkeletonErrorCount)};
    if (!state.SkeletonErrorText.isEmpty()) {
        text.append(QStringLiteral("Dernière erreur : ") +
                    QString(state.SkeletonErrorText).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    for (const QString& message : prompter.texts()) {
        text.append(QStringLiteral("Message : ") +
                    QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    text.append(QStringLiteral("Lignes du tableau :"));
    text.append(lines.text);
    // The errors of the staircase are part of the result; a table that could not be
    // written or read is a failure.
    return built && lines.read ? output.result(object, text) : output.failedResult(object, text);
}
