#pragma once

#include "CliCommand.h"

#include <QJsonObject>

#include <optional>

class CliOutput;
struct SimulationInput;

// "orvanel-cli input FICHIER": what a simulation input file holds.
class InputCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("input"); }
    QString summary() const override;
    QList<Argument> arguments() const override;
    int run(CliCall& call) override;

    static QJsonObject toJson(const SimulationInput& input);
    // Reads a simulation input file; on failure the failure is written and its exit
    // status returned.
    static std::optional<int> load(const QString& path, SimulationInput& input, CliOutput& output);
    // The simulation input file, as the commands that read one declare it.
    static Argument InputFile();
};
