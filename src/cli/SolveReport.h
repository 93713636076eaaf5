#pragma once

#include <QJsonObject>
#include <QStringList>

class SolveSession;

// The result of "orvanel-cli solve": JSON with exactly the documented keys, or the same
// content as French text, one solution per block.
class SolveReport {
public:
    static QJsonObject toJson(const SolveSession& session);
    static QStringList toText(const SolveSession& session);
};
