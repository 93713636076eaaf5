#pragma once

#include "CliCommand.h"

// "orvanel-cli tee-skeleton FICHIER --solution K [the search options of solve]
// [--data DOSSIER]": the skeleton of one staircase of a staggered-entry draw.
class TeeSkeletonCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("tee-skeleton"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;
};
