#pragma once

#include "core/StaircaseState.h"
#include "staircase/SolutionCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct SimulationInput;

// What "orvanel-cli solve" does with a simulation input: the main window's "&Suivant"
// (rows copied, figures checked, the input saved as the autosave file of the working
// directory), the staggered-entry wizard's "&Suivant" with the options applied to the
// controls it shows, the staircase view's showing, and the evaluation of every solution
// the view keeps.
class SolveSession {
public:
    struct Options {
        int maxTours = 5;
        bool otherSolutions = false;
        bool keepSpread = false;
        std::optional<int> lastRound;  // item 0 to 5 of the last-round picker
        std::optional<int> couples;
        // Messages kept in the report; the rest are counted in one closing line.
        qsizetype messageLimit = 100000;
    };

    // One solution as the view evaluates it.
    struct Evaluated {
        StaircaseSolution solution;
        SolutionCheck check;
        int dimension = 0;
        OneBased<StaircaseStep, StaircaseState::StepCount> steps;
    };

    // The state as the search left it, before the view removed anything.
    struct SearchResult {
        bool singleSolution = false;
        std::int64_t iterations = 0;
        int solutionCount = 0;
        int storedSolutions = 0;
        QList<StaircaseSolution> solutions;
    };

    // Runs the whole road; false, with the reason in failure(), when the wizard could not
    // be opened or its "&Suivant" could not run.
    bool Run(const SimulationInput& input, const Options& options, const QString& workingDirectory);

    const StaircaseState& state() const { return state_; }
    const SearchResult& search() const { return search_; }
    const QList<Evaluated>& view() const { return view_; }
    const QStringList& messages() const { return messages_; }
    const QString& failure() const { return failure_; }

private:
    StaircaseState state_;
    SearchResult search_;
    QList<Evaluated> view_;
    QStringList messages_;
    QString failure_;
};
