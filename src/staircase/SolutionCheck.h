#pragma once

#include "core/StaircaseWalk.h"

#include <QList>
#include <QString>

// A ranking met at the start of a third (or later) tour, with the tours it has reached.
struct SpreadRanking {
    QString Name;  // as stored, trailing spaces included
    int Tours = 0;

    bool operator==(const SpreadRanking&) const = default;
};

// What the evaluation of one stored staircase finds besides its steps.
struct SolutionCheck {
    int Tours = 0;
    QList<SpreadRanking> SpreadRankings;
    int OneTourCount = 0;        // rankings whose players all enter in one tour
    int TwoTourCount = 0;        // rankings whose players enter over two tours
    int QualifierTourCount = 0;  // tours in which an incoming qualifier enters
    // The distribution needed a thirteenth ranking row or a ninth entry in a step and
    // stopped there; the steps hold what was distributed before.
    WalkPoint::Overflow Overflow = WalkPoint::Overflow::None;
    bool Incorrect = false;

    bool operator==(const SolutionCheck&) const = default;
};
