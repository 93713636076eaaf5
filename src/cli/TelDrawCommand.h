#pragma once

#include "CliCommand.h"

// "orvanel-cli tel-draw FICHIER [--build] [--accept] [--zeclass FICHIER] [--data DOSSIER]":
// the main window's "&Suivant" for a line-start draw, then the line-start wizard's.
class TelDrawCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("tel-draw"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;

    // The ranking order list of the program's directory, found as the program finds it.
    static QString defaultRankingOrderPath();
};
