#include "TelDrawCommand.h"

#include "CliOutput.h"
#include "DrawTableJson.h"
#include "InputCommand.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationInput.h"
#include "core/StaircaseState.h"
#include "core/WizardHandOver.h"
#include "drawtable/RankingOrderList.h"
#include "drawtable/TableLocations.h"
#include "wizards/LineStartWizardLogic.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <optional>

namespace {

struct Options {
    QString input;
    bool build = false;
    bool accept = false;
    bool json = false;
    QString rankingOrder;
    QString data;
};

std::optional<Options> parse(QStringList arguments) {
    Options options;
    options.json = arguments.removeAll(QStringLiteral("--json")) > 0;
    options.build = arguments.removeAll(QStringLiteral("--build")) > 0;
    options.accept = arguments.removeAll(QStringLiteral("--accept")) > 0;
    for (const auto& [name, target] :
         {std::pair{QStringLiteral("--zeclass"), &options.rankingOrder},
          std::pair{QStringLiteral("--data"), &options.data}}) {
        const qsizetype at = arguments.indexOf(name);
        if (at < 0) {
            continue;
        }
        if (at + 1 >= arguments.size()) {
            return std::nullopt;
        }
        *target = arguments.takeAt(at + 1);
        arguments.removeAt(at);
    }
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--"))) {
        return std::nullopt;
    }
    options.input = arguments.first();
    return options;
}

// The figures, the messages in order and the lines of the tables, as JSON or as text.
int print(const Options& options, CliOutput& output, const LineStartFigures& result,
          const QStringList& messages, const TableLocations& places) {
    const DrawTableJson::Lines lines =
        DrawTableJson::read(places.DataLocation, TableNames::LineDraw, false);
    QJsonObject object{{QStringLiteral("players"), result.players()},
                       {QStringLiteral("dimension"), result.LineDimension},
                       {QStringLiteral("byes"), result.Byes},
                       {QStringLiteral("nonByes"), result.NonByes},
                       {QStringLiteral("powerDimension"), result.PowerDimension},
                       {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
                       {QStringLiteral("lines"), lines.json}};
    QStringList text{QStringLiteral("Effectif du tableau : %1").arg(result.players()),
                     QStringLiteral("Dimension du tableau : %1").arg(result.LineDimension),
                     QStringLiteral("Nombre d'exempts : %1").arg(result.Byes),
                     QStringLiteral("Nombre de non exempts : %1").arg(result.NonByes),
                     QStringLiteral("Dimension en puissance de 2 : %1").arg(result.PowerDimension),
                     QStringLiteral("Messages :")};
    for (const QString& message : messages) {
        text.append(QStringLiteral("  ") +
                    QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    text.append(QStringLiteral("Lignes du tableau :"));
    text.append(lines.text);
    if (options.accept) {
        const DrawTableJson::Lines host =
            DrawTableJson::read(places.WorkingDirectory, places.HostTableName, true);
        object.insert(QStringLiteral("hostLines"), host.json);
        text.append(QStringLiteral("Lignes de la table de l'application hôte :"));
        text.append(host.text);
    }
    return output.result(object, text);
}
}  // namespace

QString TelDrawCommand::usage() {
    return QStringLiteral(
        "Usage : orvanel-cli tel-draw FICHIER [--build] [--accept] [--zeclass FICHIER] "
        "[--data DOSSIER] [--json]\n"
        "  --build    construit le squelette du tableau\n"
        "  --accept   accepte le tableau et le copie dans la table de l'application hôte\n"
        "  --zeclass  liste d'ordre des classements (par défaut celle du programme)\n"
        "  --data     dossier des tables et de la sauvegarde tmpSauve.txt (par défaut un "
        "dossier temporaire, effacé à la fin)");
}

QString TelDrawCommand::defaultRankingOrderPath() {
    const HostInterface host =
        HostInterface::Start({QDir::currentPath(), QCoreApplication::applicationDirPath(),
                              QStringLiteral(ORVANEL_DATA_DIR)});
    return host.InstallPath(RankingOrderList::FileName);
}

int TelDrawCommand::run(const QStringList& arguments) {
    const std::optional<Options> parsed = parse(arguments);
    if (!parsed) {
        return CliOutput(arguments.contains(QStringLiteral("--json"))).failure(usage());
    }
    const Options& options = *parsed;
    CliOutput output(options.json);
    QTemporaryDir temporary;
    const QString folder = options.data.isEmpty() ? temporary.path() : options.data;
    if (!QFileInfo(folder).isDir()) {
        return output.failure(QStringLiteral("Le dossier \"%1\" n'existe pas.").arg(folder));
    }
    SimulationInput input;
    if (const std::optional<int> failed = InputCommand::load(options.input, input, output)) {
        return *failed;
    }
    ScriptedPrompter prompter;

    StaircaseState state;
    const TableLocations places{folder, folder, TableNames::DefaultHost};
    LineStartWizardLogic wizard(
        state, prompter, BusyCursor::none(), places,
        options.rankingOrder.isEmpty() ? defaultRankingOrderPath() : options.rankingOrder);
    if (!WizardHandOver::CopyRankingRows(input, state, prompter)) {
        return output.failure(prompter.texts().join(QLatin1Char('\n')));
    }
    const WizardHandOver::Figures figures =
        WizardHandOver::ValidateFigures(input, prompter, folder);
    if (!figures.Valid) {
        return output.failure(prompter.texts().join(QLatin1Char('\n')));
    }
    wizard.Init(figures.QualifiersIn, figures.QualifiersOut, figures.Seeds, 0);
    wizard.Show();
    wizard.setBuildSkeleton(options.build);
    // The command line plays the bracket view: it closes it accepted or not.
    wizard.Suivant([&](const LineStartFigures&, bool) { return options.accept; });

    return print(options, output, wizard.figures(), prompter.texts(), places);
}
