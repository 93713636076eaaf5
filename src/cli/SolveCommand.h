#pragma once

#include "CliCommand.h"
#include "SolveSession.h"

#include <optional>

class QTemporaryDir;

// "orvanel-cli solve FICHIER [--max-tours N] [--other-solutions] [--keep-spread]
// [--last-round I] [--couples C]": the staircases of a staggered-entry draw.
class SolveCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("solve"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override { return SearchOptions(); }
    int run(CliCall& call) override;

    // The options of the search, which tee-skeleton takes too, and their values.
    static QList<CliOption> SearchOptions();
    // The last round and the couples, which enter-staircase takes too.
    static QList<CliOption> FigureOptions();
    static SolveSession::Options Search(const CliCall& call);
    // The input file of the command line loaded, and the temporary working directory the
    // main window's autosave goes to ready; on failure, its exit status once told.
    static std::optional<int> Prepare(CliCall& call, SimulationInput& input,
                                      const QTemporaryDir& working);
    // The last round and the couples alone.
    static SolveSession::Options Figures(const CliCall& call);
    // Reads the input file of the command line and runs the search with its options; on
    // failure the failure is written and its exit status returned.
    static std::optional<int> Solve(CliCall& call, SolveSession& session);
};
