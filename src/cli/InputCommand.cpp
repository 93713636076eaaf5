#include "InputCommand.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"
#include "core/SimulationInput.h"

#include <QJsonArray>

namespace {

QString drawTypeName(int drawType) {
    return drawType == SimulationInput::LineStart ? QStringLiteral("à départ en ligne")
                                                  : QStringLiteral("à entrée échelonnée");
}

QStringList toText(const SimulationInput& input) {
    QStringList lines{
        QStringLiteral("Classement de : %1").arg(input.RangeStart),
        QStringLiteral("à : %1").arg(input.RangeEnd),
        QStringLiteral("Lignes de la grille : %1").arg(input.RowCount()),
    };
    for (const SimulationInput::Row& row : input.Rows) {
        lines << QStringLiteral("  %1 : %2").arg(row.RankingText, row.CountText);
    }
    lines << QStringLiteral("Nombre de qualifiés sortants : %1").arg(input.QualifiersOutText)
          << QStringLiteral("Nombre de qualifiés entrants : %1").arg(input.QualifiersInText)
          << QStringLiteral("Nombre de tête de série : %1").arg(input.SeedsText)
          << QStringLiteral("Sur tableau à : %1").arg(input.EntrySizeText)
          << QStringLiteral("Type de tableau : %1").arg(drawTypeName(input.DrawType));
    return lines;
}

}  // namespace

QJsonObject InputCommand::toJson(const SimulationInput& input) {
    QJsonArray rows;
    for (const SimulationInput::Row& row : input.Rows) {
        rows.append(QJsonObject{{QStringLiteral("ranking"), row.RankingText},
                                {QStringLiteral("count"), row.CountText}});
    }
    return QJsonObject{{QStringLiteral("rangeStart"), input.RangeStart},
                       {QStringLiteral("rangeEnd"), input.RangeEnd},
                       {QStringLiteral("rowCount"), input.RowCount()},
                       {QStringLiteral("rows"), rows},
                       {QStringLiteral("qualifiersOut"), input.QualifiersOutText},
                       {QStringLiteral("qualifiersIn"), input.QualifiersInText},
                       {QStringLiteral("seeds"), input.SeedsText},
                       {QStringLiteral("entrySize"), input.EntrySizeText},
                       {QStringLiteral("drawType"), input.DrawType},
                       {QStringLiteral("drawTypeName"), drawTypeName(input.DrawType)}};
}

QString InputCommand::summary() const {
    return QStringLiteral("ce que contient un fichier de simulation, ou son erreur");
}

CliCommand::Argument InputCommand::InputFile() {
    return {QStringLiteral("FICHIER"),
            QStringLiteral("le fichier de simulation (.txt) : classements, effectifs et figures "
                           "du tableau, tel que la fenêtre principale l'enregistre")};
}

QList<CliCommand::Argument> InputCommand::arguments() const {
    return {InputFile()};
}

int InputCommand::run(CliCall& call) {
    SimulationInput input;
    if (const std::optional<int> failed = load(call.argument(0), input, call.output())) {
        return *failed;
    }
    return call.output().result(toJson(input), toText(input));
}

std::optional<int> InputCommand::load(const QString& path, SimulationInput& input,
                                      CliOutput& output) {
    ScriptedPrompter prompter;
    switch (SimulationFile::LoadSimulation(path, input, prompter)) {
        case SimulationFile::LoadStatus::Missing:
            return output.failure(QStringLiteral("Le fichier \"%1\" n'existe pas.").arg(path));
        case SimulationFile::LoadStatus::Failed:
            return output.failure(prompter.texts().join(QLatin1Char('\n')));
        case SimulationFile::LoadStatus::Loaded:
            break;
    }
    return std::nullopt;
}
