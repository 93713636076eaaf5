#pragma once

#include "core/StaircaseState.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

class SolveSession;

// The result of "orvanel-cli solve": JSON with exactly the documented keys, or the same
// content as French text, one solution per block.
class SolveReport {
public:
    static QJsonObject toJson(const SolveSession& session);
    static QStringList toText(const SolveSession& session);

    // Figures 0 to 9 of a solution.
    static QJsonArray Figures(const StaircaseSolution& solution);
    // Steps 1 to `tours`: positions, arriving and the entries in use.
    static QJsonArray Steps(const OneBased<StaircaseStep, StaircaseState::StepCount>& steps,
                            int tours);
};
