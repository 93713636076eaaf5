#pragma once

#include "bracket/RulesVerification.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class Page;

// What the command line tells of a rules check: {"messages", "findings", "banner",
// "marks"}, or the same as lines of French text.
class CheckReport {
public:
    // rulesLocation: the folder whose rule tables the check wrote.
    CheckReport(const RulesVerification::Report& report, const Page& page,
                const QString& rulesLocation);

    QJsonObject json() const;
    QStringList lines() const;

private:
    QJsonArray messages() const;
    QJsonArray findings() const;
    QJsonObject banner() const;
    QJsonArray marks() const;

    const RulesVerification::Report& report_;
    const Page& page_;
    QString rulesLocation_;
};
