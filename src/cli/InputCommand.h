#pragma once

#include <QJsonObject>
#include <QStringList>

struct SimulationInput;

// "orvanel-cli input FILE [--json]": what a simulation input file holds.
class InputCommand {
public:
    static int run(const QStringList& arguments);
    static QJsonObject toJson(const SimulationInput& input);
};
