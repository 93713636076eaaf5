// The staircase view on the largest table it shows: the 200 solutions stored by a search
// over twelve rankings, six qualifiers in and eight out.
//
//   QT_QPA_PLATFORM=offscreen orvanel_staircase_view_bench --benchmark_repetitions=5
//
// "Step" is one Page Down or Page Up in the window: every stored solution checked again,
// the page redrawn and mirrored on screen. "FoldRepeats" is the wizard's prompter during
// a search that tells the same overflow message again and again.
#include "app/AppWindowFactory.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/RepeatFoldingPrompter.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "staircase/TAfficheEscalierTabEchelonne.h"
#include "wizards/StaircaseSearch.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

void Search(StaircaseState& state, Prompter& prompter) {
    const std::pair<const char*, int> rankings[] = {
        {"15/2", 2}, {"15/3", 3}, {"15/4", 4},  {"15/5", 6},  {"30", 5},  {"30/1", 8},
        {"30/2", 9}, {"30/3", 7}, {"30/4", 10}, {"30/5", 14}, {"40", 12}, {"NC", 16}};
    state.ResetStaircase();
    int row = 1;
    for (const auto& [name, count] : rankings) {
        state.Rankings[row] = {QString::fromUtf8(name).leftJustified(4), count, 0};
        state.TotalPlayers = static_cast<std::int16_t>(state.TotalPlayers + count);
        ++row;
    }
    state.QualifiersIn = 6;
    state.QualifiersOut = 8;
    state.Couples = 6;
    state.Compressions = -2;
    StaircaseSearch search(state, prompter);
    search.PrepareSearch();
    search.SearchSolutions(5, true);
}

void Step(benchmark::State& run) {
    StaircaseState state;
    ScriptedPrompter prompter;
    Search(state, prompter);
    HostInterface host;
    AppWindowFactory windows(host, state, prompter, BusyCursor::none());
    TAfficheEscalierTabEchelonne view(host, state, prompter, BusyCursor::none(), windows);
    view.show();
    QApplication::processEvents();
    int key = Qt::Key_PageDown;
    for (auto _ : run) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
        key = key == Qt::Key_PageDown ? Qt::Key_PageUp : Qt::Key_PageDown;
    }
    run.counters["stored"] = state.StoredSolutions;
}
BENCHMARK(Step)->Unit(benchmark::kMillisecond);

// A prompter that shows nothing, so that only the folding is measured.
class Silent : public Prompter {
public:
    void tell(Kind, const QString&) override {}
    bool ask(Kind, const QString&) override { return true; }
    std::optional<QString> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileRequest&) override { return std::nullopt; }
};

void FoldRepeats(benchmark::State& run) {
    Silent screen;
    RepeatFoldingPrompter folding(screen);
    folding.startFolding();
    // Each overflow of the build tells a message made afresh, as the search does.
    for (auto _ : run) {
        folding.message(StaircaseState::EntryOverflowMessage());
    }
    benchmark::DoNotOptimize(folding.repeats());
}
BENCHMARK(FoldRepeats);

}  // namespace
