#pragma once

#include "CliCommand.h"
#include "SolveSession.h"

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
};
