#pragma once

#include <cstdint>

class StaircaseState;
struct StaircaseSolution;

// The counts and the table of a search: accepted candidates are counted, the first 200
// stored in the order found. Counts stop at the largest value their type holds rather
// than wrap, for draws so large that no search could list them one by one.
class SolutionTally {
public:
    explicit SolutionTally(StaircaseState& state) : state_(state) {}

    // Whether the next accepted candidate is stored.
    bool storing() const;
    void accept(const StaircaseSolution& figures);
    // Accepted candidates that are counted only: the table is full.
    void acceptUnstored(std::int64_t count);
    void addIterations(std::int64_t count);

    static std::int64_t SaturatedProduct(std::int64_t a, std::int64_t b);
    static std::int64_t SaturatedSum(std::int64_t a, std::int64_t b);

private:
    StaircaseState& state_;
};
