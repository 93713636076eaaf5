#include "TeeSkeletonCommand.h"

#include "CliOutput.h"
#include "DrawTableJson.h"
#include "InputCommand.h"
#include "SolveCommand.h"
#include "SolveSession.h"
#include "core/BusyCursor.h"
#include "core/IntegerText.h"
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

namespace {

// Takes "option value" out of the arguments; false when the value is missing.
bool takeValue(QStringList& arguments, const QString& option, QString& value) {
    const qsizetype at = arguments.indexOf(option);
    if (at < 0) {
        return true;
    }
    if (at + 1 >= arguments.size()) {
        return false;
    }
    value = arguments.takeAt(at + 1);
    arguments.removeAt(at);
    return true;
}

}  // namespace

QString TeeSkeletonCommand::usage() {
    return QStringLiteral(
        "  tee-skeleton FICHIER --solution K [les options de solve] [--data DOSSIER] [--json]\n"
        "      le squelette d'un tableau à entrée échelonnée : la recherche de solve, puis la\n"
        "      solution K de l'affichage (après le retrait des solutions incorrectes ; 1 pour\n"
        "      une solution directe) construite dans \"Tmpaaaa.db\" du dossier DOSSIER (par\n"
        "      défaut un dossier temporaire, effacé à la fin). Les messages sont ceux de la\n"
        "      construction.");
}

int TeeSkeletonCommand::run(const QStringList& arguments) {
    QStringList rest = arguments;
    CliOutput output(rest.removeAll(QStringLiteral("--json")) > 0);
    QString solutionText;
    QString data;
    if (!takeValue(rest, QStringLiteral("--solution"), solutionText) ||
        !takeValue(rest, QStringLiteral("--data"), data) || solutionText.isEmpty()) {
        return output.failure(QStringLiteral("Usage :\n") + usage());
    }
    const std::optional<int> solution = IntegerText::toInt(solutionText);
    if (!solution) {
        return output.failure(IntegerText::conversionError(solutionText));
    }
    const SolveCommand::Parsed parsed = SolveCommand::parse(rest, usage());
    if (!parsed.error.isEmpty()) {
        return output.failure(parsed.error);
    }
    QTemporaryDir temporary;
    const QString folder = data.isEmpty() ? temporary.path() : data;
    if (!QFileInfo(folder).isDir()) {
        return output.failure(QStringLiteral("Le dossier \"%1\" n'existe pas.").arg(folder));
    }
    SimulationInput input;
    if (const std::optional<int> failed = InputCommand::load(parsed.file, input, output)) {
        return *failed;
    }
    SolveSession session;
    if (!session.Run(input, parsed.options, folder)) {
        return output.failure(session.failure());
    }
    if (*solution < 1 || *solution > session.view().size()) {
        return output.failure(
            QStringLiteral("La solution %1 n'existe pas : l'affichage garde %2 solution(s).")
                .arg(*solution)
                .arg(session.view().size()));
    }

    // The staircase view shows solution K, which fixes the steps, the dimension and the
    // tour count; "Visualiser le tableau" then builds the skeleton.
    StaircaseState state = session.state();
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.CurrentSolution = static_cast<std::int16_t>(*solution);
    view.TraiteUneSolution(*solution, false);
    ScriptedPrompter prompter;
    const TableLocations places{folder, folder, TableNames::DefaultHost};
    StaggeredSkeleton(state, view.TourCount, places, prompter).TraiteSqueletteTableau();

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
    return output.result(object, text);
}
