#include "SolutionEvaluator.h"

#include "core/StaircaseDistribution.h"

namespace {

class EvaluationHooks : public StepsWriter {
public:
    EvaluationHooks(StaircaseState& state, SolutionCheck& check)
        : StepsWriter(state), check_(check) {}

    void tourStarted(int /*tour*/, int row, int span) {
        if (span > 2) {
            check_.SpreadRankings.append({state_.Rankings[row].Name, span});
        }
    }
    void rowLeft(int /*row*/, int span) {
        if (span == 1) {
            ++check_.OneTourCount;
        } else if (span == 2) {
            ++check_.TwoTourCount;
        }
    }
    void qualifiers(int tour, int entry, int count) {
        StepsWriter::qualifiers(tour, entry, count);
        if (tour != lastQualifierTour_) {
            lastQualifierTour_ = tour;
            ++check_.QualifierTourCount;
        }
    }
    void overflow(WalkPoint::Overflow kind) { check_.Overflow = kind; }

private:
    SolutionCheck& check_;
    int lastQualifierTour_ = 0;
};

}  // namespace

SolutionCheck SolutionEvaluator::Evaluate(StaircaseState& state,
                                          const StaircaseSolution& solution) {
    SolutionCheck check;
    check.Tours = solution.tours();
    EvaluationHooks hooks(state, check);
    DistributeStaircase(state, solution, hooks);
    check.Incorrect = check.QualifierTourCount > 2 || !check.SpreadRankings.isEmpty() ||
                      check.Overflow != WalkPoint::Overflow::None;
    return check;
}

int SolutionEvaluator::DrawDimension(int qualifiersOut, int tours) {
    int d = 1;
    while (d < qualifiersOut) {
        d *= 2;
    }
    for (int t = 0; t < tours; ++t) {
        d *= 2;
    }
    return d;
}
