#pragma once

#include "CliCommand.h"

#include <QJsonObject>

class EntrySession;

// "orvanel-cli enter-staircase FICHIER (--moves M1,M2,... | --moves-file MOUVEMENTS.json)
// [--last-round I] [--couples C]": a staircase entered by hand, move by move.
class EnterStaircaseCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("enter-staircase"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;

    static QJsonObject toJson(const EntrySession& session);
};
