#include "SolveCommand.h"

#include "CliCall.h"
#include "CliOutput.h"
#include "InputCommand.h"
#include "SolveReport.h"
#include "SolveSession.h"
#include "core/SimulationInput.h"

#include <QTemporaryDir>

#include <optional>

QString SolveCommand::summary() const {
    return QStringLiteral("les escaliers d'un tableau à entrée échelonnée");
}

QString SolveCommand::details() const {
    return QStringLiteral(
        "Ce que font \"&Suivant\" de la fenêtre principale puis de l'assistant, et "
        "l'affichage des solutions : la recherche, ses solutions et l'évaluation de chaque "
        "solution que l'affichage garde. La sauvegarde automatique de la saisie "
        "(tmpSauve.txt) est écrite dans un dossier de travail temporaire, jamais dans le "
        "dossier courant.");
}

QList<CliCommand::Argument> SolveCommand::arguments() const {
    return {InputCommand::InputFile()};
}

QList<CliOption> SolveCommand::SearchOptions() {
    return QList<CliOption>{
               CliOption::Integer(QStringLiteral("max-tours"), QStringLiteral("N"),
                                  QStringLiteral("tours au maximum, de 4 à 9 (5 par défaut)"))
                   .within(4, 9,
                           QStringLiteral("Le nombre de tours doit être compris entre 4 et 9.")),
               CliOption::Switch(QStringLiteral("other-solutions"),
                                 QStringLiteral("coche \"Recherche autres solutions\"")),
               CliOption::Switch(QStringLiteral("keep-spread"),
                                 QStringLiteral("décoche \"Supprime class.plus 2 tours\"")),
           } +
           FigureOptions();
}

QList<CliOption> SolveCommand::FigureOptions() {
    return {
        CliOption::Integer(QStringLiteral("last-round"), QStringLiteral("I"),
                           QStringLiteral("dernier tour d'un tableau final, de 0 (Finale) à 5 "
                                          "(1/32 finale)"))
            .within(0, 5,
                    QStringLiteral("Le dernier tour est un numéro de 0 (Finale) à 5 (1/32 "
                                   "finale).")),
        CliOption::Integer(QStringLiteral("couples"), QStringLiteral("C"),
                           QStringLiteral("couples indissociables")),
    };
}

SolveSession::Options SolveCommand::Figures(const CliCall& call) {
    SolveSession::Options options;
    options.lastRound = call.integer(QStringLiteral("last-round"));
    options.couples = call.integer(QStringLiteral("couples"));
    return options;
}

SolveSession::Options SolveCommand::Search(const CliCall& call) {
    SolveSession::Options options = Figures(call);
    options.maxTours = call.integer(QStringLiteral("max-tours")).value_or(options.maxTours);
    options.otherSolutions = call.isSet(QStringLiteral("other-solutions"));
    options.keepSpread = call.isSet(QStringLiteral("keep-spread"));
    return options;
}

std::optional<int> SolveCommand::Prepare(CliCall& call, SimulationInput& input,
                                         const QTemporaryDir& working) {
    CliOutput& output = call.output();
    if (const std::optional<int> failed = InputCommand::load(call.argument(0), input, output)) {
        return failed;
    }
    // The main window saves a valid input as the autosave file of its working directory;
    // here that directory is a temporary one, so the user's folders are left alone.
    if (!working.isValid()) {
        return output.failure(
            QStringLiteral("Impossible de créer un dossier de travail temporaire."));
    }
    return std::nullopt;
}

std::optional<int> SolveCommand::Solve(CliCall& call, SolveSession& session) {
    SimulationInput input;
    QTemporaryDir working;
    if (const std::optional<int> failed = Prepare(call, input, working)) {
        return failed;
    }
    if (!session.Run(input, Search(call), working.path())) {
        return call.output().failure(session.failure());
    }
    return std::nullopt;
}

int SolveCommand::run(CliCall& call) {
    SolveSession session;
    if (const std::optional<int> failed = Solve(call, session)) {
        return *failed;
    }
    return call.output().result(SolveReport::toJson(session), SolveReport::toText(session));
}
