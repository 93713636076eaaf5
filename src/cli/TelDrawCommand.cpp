#include "TelDrawCommand.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "DrawFileOption.h"
#include "DrawTableJson.h"
#include "InputCommand.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationInput.h"
#include "core/StaircaseState.h"
#include "core/Wizard.h"
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

#include <memory>
#include <optional>

namespace {

// What the command line asks of the wizard: to build the skeleton, and how the bracket
// view closes.
struct Script {
    bool build = false;
    bool accept = false;
};

// What the wizard showed once its "&Suivant" ran: its figures, whether the table was
// prepared (and the skeleton built when asked), and the acceptance when there was one.
struct Shown {
    LineStartFigures figures;
    bool built = false;
    std::optional<bool> hostCopy;
};

// The line-start wizard as the command line shows it: the box "Construire le squelette
// du tableau" ticked or not, then "&Suivant"; the bracket view closes accepted or not.
class ScriptedWizard : public Wizard {
public:
    ScriptedWizard(StaircaseState& state, Prompter& prompter, const TableLocations& places,
                   const QString& rankingOrderPath, const Script& script,
                   std::optional<Shown>& shown)
        : logic_(state, prompter, BusyCursor::none(), places, rankingOrderPath),
          script_(script),
          shown_(shown) {}

    void setOutgoingEdited(bool edited) override { logic_.setOutgoingEdited(edited); }
    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) override {
        logic_.Init(qualifiersIn, qualifiersOut, seeds, dimension);
    }
    void showModal() override {
        logic_.Show();
        logic_.setBuildSkeleton(script_.build);
        const bool built =
            logic_.Suivant([this](const LineStartFigures&, bool) { return script_.accept; });
        shown_ = Shown{logic_.figures(), built, logic_.hostCopy()};
    }

private:
    LineStartWizardLogic logic_;
    const Script& script_;
    std::optional<Shown>& shown_;
};

class ScriptedFactory : public WizardFactory {
public:
    ScriptedFactory(StaircaseState& state, Prompter& prompter, const TableLocations& places,
                    const QString& rankingOrderPath, const Script& script,
                    std::optional<Shown>& shown)
        : state_(state),
          prompter_(prompter),
          places_(places),
          rankingOrderPath_(rankingOrderPath),
          script_(script),
          shown_(shown) {}

    // The line-start wizard, whatever the draw type the file gives.
    std::unique_ptr<Wizard> create(int /*drawType*/) override {
        return std::make_unique<ScriptedWizard>(state_, prompter_, places_, rankingOrderPath_,
                                                script_, shown_);
    }

private:
    StaircaseState& state_;
    Prompter& prompter_;
    const TableLocations& places_;
    const QString& rankingOrderPath_;
    const Script& script_;
    std::optional<Shown>& shown_;
};

// The figures, the messages in order and the lines of the tables, as JSON or as text.
int print(bool accept, CliOutput& output, const Shown& shown, const QStringList& messages,
          const TableLocations& places) {
    const LineStartFigures& result = shown.figures;
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
    bool tablesRead = lines.read;
    if (accept) {
        const DrawTableJson::Lines host =
            DrawTableJson::read(places.WorkingDirectory, places.HostTableName, true);
        object.insert(QStringLiteral("hostLines"), host.json);
        text.append(QStringLiteral("Lignes de la table de l'application hôte :"));
        text.append(host.text);
        tablesRead = tablesRead && host.read;
    }
    // The figures and messages are printed whatever happened, so that the errors can be
    // read; the status tells a script that the table or the host copy was not made.
    const bool done = shown.built && tablesRead && (!accept || shown.hostCopy.value_or(false));
    return done ? output.result(object, text) : output.failedResult(object, text);
}
}  // namespace

QString TelDrawCommand::summary() const {
    return QStringLiteral("le tableau à départ en ligne d'un fichier de simulation");
}

QString TelDrawCommand::details() const {
    return QStringLiteral(
        "Ce que font \"&Suivant\" de la fenêtre principale puis de l'assistant à départ en "
        "ligne : les figures du tableau, les messages, la table \"Tmpaaaa2.db\" (avec le "
        "squelette quand --build) et, avec --accept, sa copie dans la table de l'application "
        "hôte. Des figures incorrectes sont signalées comme dans la fenêtre principale, et "
        "l'assistant s'ouvre avec les figures converties.");
}

QList<CliCommand::Argument> TelDrawCommand::arguments() const {
    return {InputCommand::InputFile()};
}

QList<CliOption> TelDrawCommand::options() const {
    return {
        CliOption::Switch(QStringLiteral("build"),
                          QStringLiteral("construit le squelette du tableau")),
        CliOption::Switch(
            QStringLiteral("accept"),
            QStringLiteral("accepte le tableau et le copie dans la table de l'application hôte")),
        CliOption::Value(QStringLiteral("zeclass"), QStringLiteral("FICHIER"),
                         QStringLiteral("liste d'ordre des classements (par défaut celle du "
                                        "programme)")),
        CliOption::Value(QStringLiteral("data"), QStringLiteral("DOSSIER"),
                         QStringLiteral("dossier des tables et de la sauvegarde tmpSauve.txt "
                                        "(par défaut un dossier temporaire, effacé à la fin)")),
        DrawFileOption::Option(),
    };
}

QString TelDrawCommand::defaultRankingOrderPath() {
    const HostInterface host =
        HostInterface::Start({QDir::currentPath(), QCoreApplication::applicationDirPath(),
                              QStringLiteral(ORVANEL_DATA_DIR)});
    return host.InstallPath(RankingOrderList::FileName);
}

int TelDrawCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    QTemporaryDir temporary;
    const QString data = call.value(QStringLiteral("data"));
    const QString folder = data.isEmpty() ? temporary.path() : data;
    if (!QFileInfo(folder).isDir()) {
        return output.failure(QStringLiteral("Le dossier \"%1\" n'existe pas.").arg(folder));
    }
    SimulationInput input;
    if (const std::optional<int> failed = InputCommand::load(call.argument(0), input, output)) {
        return *failed;
    }
    const QString rankingOrder = call.isSet(QStringLiteral("zeclass"))
                                     ? call.value(QStringLiteral("zeclass"))
                                     : defaultRankingOrderPath();
    const Script script{call.isSet(QStringLiteral("build")), call.isSet(QStringLiteral("accept"))};
    const TableLocations places{folder, folder, TableNames::DefaultHost};
    ScriptedPrompter prompter;
    StaircaseState state;
    std::optional<Shown> shown;
    ScriptedFactory factory(state, prompter, places, rankingOrder, script, shown);
    // As the main window's "&Suivant": a count that is not a number of players keeps the
    // wizard closed; figures that are not are told, and the wizard opens all the same.
    WizardHandOver::OpenWizard(input, state, prompter, folder, factory);
    if (!shown) {
        return output.failure(prompter.texts().join(QLatin1Char('\n')));
    }
    // The figures the bracket view's line-start panel keeps in the state when it opens.
    const LineStartFigures& figures = shown->figures;
    state.TotalPlayers = static_cast<std::int16_t>(figures.players());
    state.Dimension = static_cast<std::int16_t>(figures.LineDimension);
    state.QualifiersOut = static_cast<std::int16_t>(figures.LineQualifiersOut);
    state.QualifiersIn = static_cast<std::int16_t>(figures.LineQualifiersIn);
    const DrawExchange::View view{
        DrawFile::Kind::LineStart, false, figures.LineSeeds, 0, figures.Byes, figures.NonByes};
    // A table that could not be prepared or built is no draw to hand on.
    if (shown->built) {
        if (const QString failed = DrawFileOption::Write(call, folder, state, view);
            !failed.isEmpty()) {
            return output.failure(failed);
        }
    }
    return print(script.accept, output, *shown, prompter.texts(), places);
}
