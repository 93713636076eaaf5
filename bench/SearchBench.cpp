// The staircase search against the plain enumeration, on the same inputs in one run.
//
//   orvanel_search_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// "Fast/..." is the program's search, "Plain/..." the nested loops as worded, on the same
// inputs. Input names give the players (P, qualifiers included), the outgoing (q) and
// incoming (Q) qualifiers and the most tours (N); "keep" is a search that keeps the
// rankings spread over more than two tours. The counters give the candidates visited
// (iterations), accepted (solutions) and the overflow messages told.
#include "ReferenceSearch.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "wizards/StaircaseSearch.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Input {
    std::string name;
    std::vector<int> counts;  // best ranking first
    int qualifiersOut;
    int qualifiersIn;
    int maxTours;
    bool removeSpread;
    bool plain;  // also measure the plain enumeration
};

// 256 players over 12 rankings, more players in the weaker rankings; 240 in 12 equal
// rankings; 256 in a single ranking; and smaller draws of the same shape.
const std::vector<int> Rankings256{2, 3, 5, 8, 12, 16, 20, 24, 30, 36, 44, 56};
const std::vector<int> Equal240(12, 20);
const std::vector<int> Single256{256};
const std::vector<int> Rankings120{1, 2, 3, 4, 6, 8, 10, 12, 14, 16, 16, 28};
const std::vector<int> Rankings96{1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 14, 22};
const std::vector<int> Rankings88{1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16};

// The plain enumeration of the first input visits 7.5e10 candidates, about ten minutes:
// it is measured on its own (--benchmark_filter=Plain/P256-q16-N7$).
const std::vector<Input>& Inputs() {
    static const std::vector<Input> inputs{
        {"P256-q16-N7", Rankings256, 16, 0, 7, true, true},
        {"P256-q16-N7-keep", Rankings256, 16, 0, 7, false, false},
        {"P256-q16-N9", Rankings256, 16, 0, 9, true, false},
        {"P256-q16-N9-keep", Rankings256, 16, 0, 9, false, false},
        {"P256-q16-Q16-N9", Equal240, 16, 16, 9, true, false},
        {"P256-q4-N9-single", Single256, 4, 0, 9, true, false},
        {"P256-q16-N6", Rankings256, 16, 0, 6, true, true},
        {"P256-q16-N6-keep", Rankings256, 16, 0, 6, false, true},
        {"P256-q16-Q16-N6", Equal240, 16, 16, 6, true, true},
        {"P96-q8-N7", Rankings96, 8, 0, 7, true, true},
        {"P96-q8-Q8-N9", Rankings88, 8, 8, 9, true, true},
        {"P136-q16-Q16-N9", Rankings120, 16, 16, 9, true, true},
    };
    return inputs;
}

// Messages are counted, not kept: a search may tell millions of them, and what a
// prompter does with them is not the search's cost.
class CountingPrompter : public Prompter {
public:
    std::size_t messages = 0;
    void tell(Kind, const QString&) override { ++messages; }
    bool ask(Kind, const QString&) override { return true; }
    std::optional<QString> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileRequest&) override { return std::nullopt; }
};

StaircaseState Prepared(const Input& input) {
    StaircaseState state;
    int total = 0;
    for (std::size_t r = 0; r < input.counts.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        state.Rankings[row].Name = QStringLiteral("R%1").arg(row);
        state.Rankings[row].Count = input.counts[r];
        total += input.counts[r];
    }
    state.QualifiersOut = static_cast<std::int16_t>(input.qualifiersOut);
    state.QualifiersIn = static_cast<std::int16_t>(input.qualifiersIn);
    state.Couples = static_cast<std::int16_t>(input.qualifiersIn);
    state.TotalPlayers = static_cast<std::int16_t>(total + input.qualifiersIn);
    return state;
}

void Report(benchmark::State& run, const StaircaseState& state, std::size_t messages) {
    run.counters["iterations"] = static_cast<double>(state.Iterations);
    run.counters["solutions"] = state.SolutionCount;
    run.counters["messages"] = static_cast<double>(messages);
}

// One search per iteration on a fresh copy of the prepared state.
template <typename Search>
void Measure(benchmark::State& run, const Input& input, Search search) {
    const StaircaseState prepared = Prepared(input);
    StaircaseState state;
    std::size_t messages = 0;
    for (auto _ : run) {
        state = prepared;
        CountingPrompter prompter;
        search(state, prompter);
        messages = prompter.messages;
        benchmark::DoNotOptimize(state.SolutionCount);
    }
    Report(run, state, messages);
}

void Fast(benchmark::State& run, const Input& input) {
    Measure(run, input, [&input](StaircaseState& state, Prompter& prompter) {
        StaircaseSearch(state, prompter).SearchSolutions(input.maxTours, input.removeSpread);
    });
}

void Plain(benchmark::State& run, const Input& input) {
    Measure(run, input, [&input](StaircaseState& state, Prompter& prompter) {
        ReferenceSearch::Search(state, prompter, input.maxTours, input.removeSpread);
    });
}

const bool registered = [] {
    for (const Input& input : Inputs()) {
        benchmark::RegisterBenchmark(("Fast/" + input.name).c_str(), Fast, input)
            ->Unit(benchmark::kMillisecond);
        if (input.plain) {
            // One search per repetition: the plain enumeration takes seconds.
            benchmark::RegisterBenchmark(("Plain/" + input.name).c_str(), Plain, input)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
