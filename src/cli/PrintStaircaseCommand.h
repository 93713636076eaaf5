#pragma once

#include "CliCommand.h"

// "orvanel-cli print-staircase FICHIER [the search options of solve] (--all | --solution K)
// (--pdf FILE | --png DIR | --svg DIR)": the staircase view's "Imprimer l'escalier".
class PrintStaircaseCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("print-staircase"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;
};
