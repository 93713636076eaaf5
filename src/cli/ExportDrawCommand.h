#pragma once

#include "CliCommand.h"

// "orvanel-cli export-draw --data DOSSIER [--host]": the working draw of a folder (or the
// host's draw table) as a draw file, with the figures the folder keeps of its last draw.
class ExportDrawCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("export-draw"); }
    QString summary() const override;
    QString details() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;
};
