#pragma once

#include <QJsonObject>
#include <QStringList>

#include <optional>

class CliOutput;
struct SimulationInput;

// "orvanel-cli input FILE [--json]": what a simulation input file holds.
class InputCommand {
public:
    static int run(const QStringList& arguments);
    static QJsonObject toJson(const SimulationInput& input);
    // Reads a simulation input file; on failure the failure is written and its exit
    // status returned.
    static std::optional<int> load(const QString& path, SimulationInput& input, CliOutput& output);
};
