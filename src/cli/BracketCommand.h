#pragma once

#include "CliCommand.h"

// "orvanel-cli bracket TABLEAU.json [--ops OPERATIONS.json] [--zoom P]": the bracket view
// on a draw file, after the operations of a script.
class BracketCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("bracket"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;
};
