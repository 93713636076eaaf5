#pragma once

#include <QList>
#include <QString>

class StaircaseState;

// The staircase of one stored solution as the reports print it: the rankings shared out
// over the tours like the staircase distribution does, counting how many rankings enter
// on one tour and on two, and which ones spread over more. It shows no message and does
// not stop on a spread ranking.
class ReportStaircaseBuild {
public:
    struct Spread {
        QString name;
        int tours = 0;

        bool operator==(const Spread&) const = default;
    };
    struct Result {
        int tours = 0;  // L
        int oneTour = 0;
        int twoTours = 0;
        QList<Spread> spread;  // numbered from 1 on the reports
        int drawSize = 0;      // e

        bool operator==(const Result&) const = default;
    };

    // Fills the state's steps and placed counters from solution s. Incoming qualifiers
    // are entries named `qualifierName` ("q" on the draw report, "Q" on the staircase
    // report).
    static Result Run(StaircaseState& state, int solution,
                      const QString& qualifierName = QStringLiteral("q"));
};
