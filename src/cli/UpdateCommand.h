#pragma once

#include "CliCommand.h"

// "orvanel-cli update [--server URL] [--settings FICHIER] [--install-dir DOSSIER]
// [--public-key FICHIER] [--auto] [--yes|--no] [--no-launch] [--timeout SECONDES]":
// the update window's automatic check (--auto) or its "Démarrer", without a window.
class UpdateCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("update"); }
    QString summary() const override;
    QString details() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;
};
