// Building a 1024-entry skeleton (2047 lines) with its table writes, and copying it to
// the host's draw table. The tables live in a fresh temporary folder on disk.
#include "core/BusyCursor.h"
#include "core/RankingLadder.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLines.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "staircase/StaggeredSkeleton.h"
#include "wizards/LineStartWizardLogic.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString RankingOrder = QStringLiteral(ORVANEL_DATA_DIR "/ZECLASS.TXT");

void removeTables(const QTemporaryDir& dir) {
    for (const char* name : {"Tmpaaaa.db", "Tmpaaaa2.db", "TmpaaaJ2.db", "Hote.db"}) {
        QFile::remove(dir.filePath(QString::fromLatin1(name)));
    }
}

// 32 outgoing qualifiers and five tours: 16, 16, 10, 10 and 580 direct entrants.
void fillStaircase(StaircaseState& state, ScriptedPrompter& prompter) {
    const std::pair<const char*, int> rows[] = {
        {"N°1", 16}, {"N°20", 16}, {"N°60", 10}, {"-15", 10}, {"0", 72},  {"1/6", 72},
        {"2/6", 72}, {"3/6", 72},  {"4/6", 72},  {"5/6", 72}, {"15", 72}, {"15/1", 76}};
    int row = 1;
    for (const auto& [name, count] : rows) {
        state.Rankings[row++] = {QString::fromUtf8(name), count, 0};
    }
    state.QualifiersOut = 32;
    state.Seeds = 8;
    state.Dimension = 1024;
    state.TotalPlayers = 632;
    StaircaseSolution solution;
    solution.Matches = {32, 32, 48, 80, 150, 290};
    state.BuildStaircase(solution, prompter);
}

void BM_NumberedLines2047(benchmark::State& run) {
    QTemporaryDir dir;
    RecordTable table(TableLayout::DrawLine(), dir.path(), QStringLiteral("Tmpaaaa.db"));
    table.Open();
    for (auto _ : run) {
        DrawLines::FillNumbered(table, 2047);
    }
}
BENCHMARK(BM_NumberedLines2047)->Unit(benchmark::kMillisecond);

// "&Suivant" with the skeleton box ticked, 1000 players: the table numbered, the roster
// filled and walked, every placement, the final pass and the outgoing-qualifier line.
void BM_LineStartSkeleton1024(benchmark::State& run) {
    QTemporaryDir dir;
    const TableLocations places{dir.path(), dir.path(), QStringLiteral("Hote.db")};
    for (auto _ : run) {
        run.PauseTiming();
        removeTables(dir);
        StaircaseState state;
        ScriptedPrompter prompter;
        LineStartWizardLogic wizard(state, prompter, BusyCursor::none(), places, RankingOrder);
        for (int row = 1; row <= 10; ++row) {
            state.Rankings[row] = {RankingLadder::Entry(row * 10), 100, 0};
        }
        wizard.Init(0, 1, 8, 0);
        wizard.AssistantConstructionTabToggled(true);
        run.ResumeTiming();
        wizard.SuivantBtnClick([](const LineStartFigures&, bool) { return false; });
    }
}
BENCHMARK(BM_LineStartSkeleton1024)->Unit(benchmark::kMillisecond);

// The staircase above, in a fresh folder.
struct StaggeredDraw {
    StaggeredDraw() { fillStaircase(state, prompter); }

    QTemporaryDir dir;
    StaircaseState state;
    ScriptedPrompter prompter;
    StaggeredSkeleton skeleton{
        state, 5, {dir.path(), dir.path(), QStringLiteral("Hote.db")}, prompter};
};

void BM_StaggeredSkeleton1024(benchmark::State& run) {
    StaggeredDraw draw;
    for (auto _ : run) {
        draw.skeleton.TraiteSqueletteTableau();
    }
    run.counters["errors"] = draw.state.SkeletonErrorCount;
}
BENCHMARK(BM_StaggeredSkeleton1024)->Unit(benchmark::kMillisecond);

void BM_CopyToHost2047(benchmark::State& run) {
    StaggeredDraw draw;
    draw.skeleton.TraiteSqueletteTableau();
    for (auto _ : run) {
        draw.skeleton.TransfereTableau();
    }
}
BENCHMARK(BM_CopyToHost2047)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
