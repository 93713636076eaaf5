#pragma once

#include "StaircaseRecords.h"

#include <cstdint>

class Prompter;
struct WalkRows;

// The one block of data that the staggered-entry wizard, its search, the staircase
// view, the bracket view and the reports share for the whole run.
//
// There is exactly one instance per run. It is not a global: the start-up creates it
// and passes it by reference to every window and to the logic they call, so that tests
// and the command line can work on a state of their own.
class StaircaseState {
public:
    static constexpr int RankingCount = 12;
    static constexpr int StepCount = 12;
    static constexpr int SolutionCapacity = 200;

    OneBased<RankingRow, RankingCount> Rankings;
    OneBased<StaircaseStep, StepCount> Steps;
    OneBased<StaircaseSolution, SolutionCapacity> Solutions;
    bool SingleSolution = false;
    bool FinalDraw = false;
    bool Accepted = false;
    bool ManualEntry = false;
    // A search with many players and nine tours evaluates far more than 2^31 candidates
    // and accepts far more than 32767: both counts are wide enough never to wrap.
    std::int64_t Iterations = 0;
    std::int16_t Couples = 0;
    std::int32_t SolutionCount = 0;
    std::int16_t QualifiersOut = 0;
    std::int16_t SkeletonErrorCount = 0;
    std::int16_t Compressions = 0;
    std::int16_t QualifiersIn = 0;
    std::int16_t Dimension = 0;
    std::int16_t Seeds = 0;
    std::int16_t TotalPlayers = 0;
    std::int16_t StoredSolutions = 0;
    QString SkeletonErrorText;

    // Every ranking row and every step cleared.
    void ResetStaircase();
    // Placed counters back to 0 (names and counts stay) and every step cleared.
    void ResetSteps();
    // Ranking rows cleared, steps left alone: what the line-start wizard needs.
    void ClearRankings();
    // Figures 0 to 9 of all solutions back to 0.
    void ClearSolutions();

    // Fills Steps from one solution and the ranking rows, distributing the players
    // from the best ranking on, the weakest ones paired with the incoming qualifiers.
    // Returns true when a ranking is present in more than two tours or when the
    // staircase overflows the step table (the overflow is also told through prompter).
    bool BuildStaircase(const StaircaseSolution& solution, Prompter& prompter);
    // The ranking counts and the positions of ranked players alone, as the
    // distribution reads them.
    WalkRows walkRows() const;

    static QString TourOverflowMessage();
    static QString EntryOverflowMessage();
};
