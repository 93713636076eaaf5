#include "CliProgram.h"

#include "CliCall.h"
#include "CliHelp.h"
#include "CliOutput.h"
#include "core/IntegerText.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const CliOption Help =
    CliOption::Switch(QStringLiteral("help"), QStringLiteral("affiche cette aide"))
        .abbreviated(QStringLiteral("h"));
const CliOption Version =
    CliOption::Switch(QStringLiteral("version"), QStringLiteral("affiche la version du programme"));
const CliOption Json =
    CliOption::Switch(QStringLiteral("json"), QStringLiteral("le résultat en JSON (une erreur "
                                                             "aussi : {\"error\": texte})"));

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The words after "--" are arguments even when they look like options.
bool asksFor(const QStringList& words, const CliOption& option) {
    for (const QString& word : words) {
        if (word == QLatin1String("--")) {
            return false;
        }
        if (word == dashed(option.name) ||
            (!option.shortName.isEmpty() && word == dashed(option.shortName))) {
            return true;
        }
    }
    return false;
}

}  // namespace

QList<CliOption> CliProgram::CommonOptions() {
    return {Json, Help};
}

void CliProgram::add(std::unique_ptr<CliCommand> command) {
    commands_.push_back(std::move(command));
}

CliCommand* CliProgram::find(const QString& name) const {
    for (const auto& command : commands_) {
        if (command->name() == name) {
            return command.get();
        }
    }
    return nullptr;
}

QString CliProgram::help() const {
    QList<const CliCommand*> listed;
    for (const auto& command : commands_) {
        listed.append(command.get());
    }
    return CliHelp::Program(listed, {Help, Version});
}

QString CliProgram::commandHelp(const CliCommand& command) const {
    return CliHelp::Command(command, command.options() + CommonOptions());
}

int CliProgram::run(const QStringList& words) {
    const QString first = words.value(0);
    if (asksFor(words.mid(0, 1), Help)) {
        CliOutput::print(help());
        return CliOutput::Done;
    }
    if (asksFor(words.mid(0, 1), Version)) {
        CliOutput::print(QStringLiteral("orvanel-cli %1\n").arg(version_));
        return CliOutput::Done;
    }
    const QString usage =
        QStringLiteral("Usage : orvanel-cli COMMANDE [options] (orvanel-cli --help pour l'aide)");
    CliOutput output(asksFor(words, Json));
    if (first.isEmpty()) {
        return output.usageError(QStringLiteral("Il manque la commande."), usage);
    }
    CliCommand* command = find(first);
    if (command == nullptr) {
        return output.usageError(
            first.startsWith(QLatin1Char('-'))
                ? QStringLiteral("La commande vient avant les options : « %1 » n'en est pas une.")
                      .arg(first)
                : QStringLiteral("Commande inconnue : « %1 ».").arg(first),
            usage);
    }
    return runCommand(*command, words.mid(1));
}

int CliProgram::runCommand(CliCommand& command, const QStringList& words) {
    const QList<CliOption> options = command.options() + CommonOptions();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CliOption& option : options) {
        parser.addOption(option.parserOption());
    }
    const bool parsed = parser.parse(QStringList{QStringLiteral("orvanel-cli")} + words);
    // Help is given whatever else the line holds.
    if (asksFor(words, Help)) {
        CliOutput::print(commandHelp(command));
        return CliOutput::Done;
    }
    CliOutput output(asksFor(words, Json));
    const QString usage =
        CliHelp::Usage(command) +
        QStringLiteral(" (orvanel-cli %1 --help pour l'aide)").arg(command.name());
    const QString reason = problem(command, options, parser, parsed);
    if (!reason.isEmpty()) {
        return output.usageError(reason, usage);
    }
    CliCall call(parser, output);
    return command.run(call);
}

QString CliProgram::problem(const CliCommand& command, const QList<CliOption>& options,
                            const QCommandLineParser& parser, bool parsed) {
    if (!parsed) {
        return parserProblem(options, parser);
    }
    const QStringList given = parser.positionalArguments();
    const QList<CliCommand::Argument> arguments = command.arguments();
    if (given.size() < arguments.size()) {
        return QStringLiteral("Il manque l'argument %1.").arg(arguments[given.size()].name);
    }
    if (given.size() > arguments.size()) {
        return QStringLiteral("Argument en trop : « %1 ».").arg(given[arguments.size()]);
    }
    for (const CliOption& option : options) {
        if (option.required && !parser.isSet(option.name)) {
            return QStringLiteral("Il manque l'option %1.").arg(dashed(option.name));
        }
        if (!option.integer || !parser.isSet(option.name)) {
            continue;
        }
        const QString text = parser.value(option.name);
        const std::optional<int> value = IntegerText::toInt(text);
        if (!value) {
            return IntegerText::conversionError(text);
        }
        if ((option.minimum && *value < *option.minimum) ||
            (option.maximum && *value > *option.maximum)) {
            return option.rangeError;
        }
    }
    return QString();
}

// Besides unknown options, the parser refuses a missing value and a value given to a
// switch; its text names the option in quotes.
QString CliProgram::parserProblem(const QList<CliOption>& options,
                                  const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        return QStringLiteral("Option inconnue : « %1 ».").arg(dashed(unknown.first()));
    }
    static const QRegularExpression quoted(QStringLiteral("'-*([^'=]*)"));
    const QString name = quoted.match(parser.errorText()).captured(1);
    for (const CliOption& option : options) {
        if (name == option.name || (!option.shortName.isEmpty() && name == option.shortName)) {
            return option.takesValue()
                       ? QStringLiteral("Il manque la valeur de %1.").arg(dashed(option.name))
                       : QStringLiteral("L'option %1 ne prend pas de valeur.")
                             .arg(dashed(option.name));
        }
    }
    return QStringLiteral("Ligne de commande incorrecte : %1").arg(parser.errorText());
}
