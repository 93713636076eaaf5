#include "SolveCommand.h"

#include "CliOutput.h"
#include "InputCommand.h"
#include "SolveReport.h"
#include "SolveSession.h"
#include "core/IntegerText.h"
#include "core/SimulationInput.h"

#include <QTemporaryDir>

#include <optional>

SolveCommand::Parsed SolveCommand::parse(QStringList arguments, const QString& usage) {
    Parsed parsed;
    const auto value = [&arguments, &parsed](const QString& option) -> std::optional<int> {
        if (arguments.isEmpty()) {
            parsed.error = QStringLiteral("Il manque la valeur de %1.").arg(option);
            return std::nullopt;
        }
        const QString text = arguments.takeFirst();
        const auto number = IntegerText::toInt(text);
        if (!number) {
            parsed.error = IntegerText::conversionError(text);
        }
        return number;
    };
    while (!arguments.isEmpty() && parsed.error.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--max-tours")) {
            const auto tours = value(argument);
            if (tours && (*tours < 4 || *tours > 9)) {
                parsed.error = QStringLiteral("Le nombre de tours doit être compris entre 4 et 9.");
            } else if (tours) {
                parsed.options.maxTours = *tours;
            }
        } else if (argument == QLatin1String("--last-round")) {
            const auto item = value(argument);
            if (item && (*item < 0 || *item > 5)) {
                parsed.error = QStringLiteral(
                    "Le dernier tour est un numéro de 0 (Finale) à 5 (1/32 finale).");
            } else if (item) {
                parsed.options.lastRound = *item;
            }
        } else if (argument == QLatin1String("--couples")) {
            parsed.options.couples = value(argument);
        } else if (argument == QLatin1String("--other-solutions")) {
            parsed.options.otherSolutions = true;
        } else if (argument == QLatin1String("--keep-spread")) {
            parsed.options.keepSpread = true;
        } else if (!argument.startsWith(QLatin1String("--")) && parsed.file.isEmpty()) {
            parsed.file = argument;
        } else {
            parsed.error = QStringLiteral("Usage :\n") + usage;
        }
    }
    if (parsed.error.isEmpty() && parsed.file.isEmpty()) {
        parsed.error = QStringLiteral("Usage :\n") + usage;
    }
    return parsed;
}

QString SolveCommand::usage() {
    return QStringLiteral(
        "  solve FICHIER [--max-tours N] [--other-solutions] [--keep-spread]\n"
        "        [--last-round I] [--couples C] [--json]\n"
        "      les escaliers d'un tableau à entrée échelonnée : ce que font \"&Suivant\" de\n"
        "      la fenêtre principale puis de l'assistant, et l'affichage des solutions.\n"
        "      N : tours au maximum, de 4 à 9 (5 par défaut) ; --other-solutions coche\n"
        "      \"Recherche autres solutions\" ; --keep-spread décoche \"Supprime class.plus 2\n"
        "      tours\" ; I : dernier tour d'un tableau final, de 0 (Finale) à 5 (1/32\n"
        "      finale) ; C : couples indissociables. La sauvegarde automatique de la saisie\n"
        "      (tmpSauve.txt) est écrite dans un dossier de travail temporaire, jamais dans\n"
        "      le dossier courant.");
}

int SolveCommand::run(const QStringList& arguments) {
    QStringList rest = arguments;
    const bool json = rest.removeAll(QStringLiteral("--json")) > 0;
    CliOutput output(json);
    const Parsed parsed = parse(rest, usage());
    if (!parsed.error.isEmpty()) {
        return output.failure(parsed.error);
    }
    SimulationInput input;
    if (const std::optional<int> failed = InputCommand::load(parsed.file, input, output)) {
        return *failed;
    }
    // The main window saves a valid input as the autosave file of its working directory;
    // here that directory is a temporary one, so the user's folders are left alone.
    QTemporaryDir working;
    if (!working.isValid()) {
        return output.failure(
            QStringLiteral("Impossible de créer un dossier de travail temporaire."));
    }
    SolveSession session;
    if (!session.Run(input, parsed.options, working.path())) {
        return output.failure(session.failure());
    }
    return output.result(SolveReport::toJson(session), SolveReport::toText(session));
}
