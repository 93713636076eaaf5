// A staircase entered by hand with the keys: twelve rankings of eight players spread over
// nine tours, each move checked and evaluated as the window does it; and one Down and Up
// on a screen of 24 rows.
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "page/Page.h"
#include "staircase/StaircaseEntry.h"
#include "staircase/StaircaseViewLogic.h"

#include <benchmark/benchmark.h>

namespace {

constexpr Qt::Key Down = Qt::Key_Down;
constexpr Qt::Key Up = Qt::Key_Up;
constexpr Qt::Key Insert = Qt::Key_Insert;

void fill(StaircaseState& state) {
    state.ResetStaircase();
    for (int row = 1; row <= StaircaseState::RankingCount; ++row) {
        state.Rankings[row] = {QStringLiteral("R%1").arg(row), 8, 0};
    }
    state.QualifiersOut = 8;
    state.TotalPlayers = 96;
    state.ManualEntry = true;
}

// Eight tours of eight players, then the rest in the ninth: 96 Downs and 8 Inserts.
void enterAll(StaircaseEntry& entry) {
    entry.Saisirunescalier1Click();
    for (int tour = 1; tour <= 8; ++tour) {
        for (int i = 0; i < 8; ++i) {
            entry.KeyDown(Down);
        }
        entry.KeyDown(Insert);
    }
    for (int i = 0; i < 32; ++i) {
        entry.KeyDown(Down);
    }
}

void BM_EntryByKeys(benchmark::State& run) {
    StaircaseState state;
    fill(state);
    for (auto _ : run) {
        Page page;
        ScriptedPrompter prompter;
        StaircaseViewLogic view(state, page, BusyCursor::none());
        StaircaseEntry entry(state, page, prompter, view);
        enterAll(entry);
        benchmark::DoNotOptimize(entry.LastEvaluation());
    }
    run.SetItemsProcessed(run.iterations() * 104);
}
BENCHMARK(BM_EntryByKeys)->Unit(benchmark::kMillisecond);

// A player taken and given back on a full screen, every ranked player placed: each move
// is evaluated.
void BM_MoveOnAFullScreen(benchmark::State& run) {
    StaircaseState state;
    fill(state);
    Page page;
    ScriptedPrompter prompter;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    StaircaseEntry entry(state, page, prompter, view);
    enterAll(entry);
    for (auto _ : run) {
        entry.KeyDown(Up);
        entry.KeyDown(Down);
    }
    run.SetItemsProcessed(run.iterations() * 2);
}
BENCHMARK(BM_MoveOnAFullScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
