#include "SolutionTally.h"

#include "core/StaircaseState.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int32_t LargestCount = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::int64_t SolutionTally::SaturatedProduct(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    return __builtin_mul_overflow(a, b, &result) ? Largest : result;
}

std::int64_t SolutionTally::SaturatedSum(std::int64_t a, std::int64_t b) {
    std::int64_t result = 0;
    return __builtin_add_overflow(a, b, &result) ? Largest : result;
}

bool SolutionTally::storing() const {
    return state_.SolutionCount < StaircaseState::SolutionCapacity;
}

void SolutionTally::accept(const StaircaseSolution& figures) {
    if (!storing()) {
        acceptUnstored(1);
        return;
    }
    ++state_.SolutionCount;
    state_.Solutions[state_.SolutionCount] = figures;
    state_.StoredSolutions = static_cast<std::int16_t>(state_.SolutionCount);
}

void SolutionTally::acceptUnstored(std::int64_t count) {
    assert(!storing() || count == 0);
    const std::int64_t total = SaturatedSum(state_.SolutionCount, count);
    state_.SolutionCount = static_cast<std::int32_t>(std::min<std::int64_t>(total, LargestCount));
}

void SolutionTally::addIterations(std::int64_t count) {
    state_.Iterations = SaturatedSum(state_.Iterations, count);
}
