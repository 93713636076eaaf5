#pragma once

#include "CliCommand.h"
#include "SolveSession.h"

#include <optional>

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
    static SolveSession::Options Search(const CliCall& call);
    // Reads the input file of the command line and runs the search with its options; on
    // failure the failure is written and its exit status returned.
    static std::optional<int> Solve(CliCall& call, SolveSession& session);
};
