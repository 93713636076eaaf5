#pragma once

#include "CliCommand.h"

// "orvanel-cli check TABLEAU.json [--zeclass FICHIER]": the rules and recommendations
// check of a draw file, as "Vérifier" runs it in the bracket view.
class CheckCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("check"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;
};
