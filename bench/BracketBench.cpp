// A full redisplay of the bracket view ("Réafficher le tableau"): the draw table read
// again, the bracket laid out on the page with the line-start panel, and the page
// mirrored in the graphics scene of the view. The draws are line-start skeletons of
// 256, 512 and 1024 entries (511 to 2047 lines) built by the wizard's logic.
//
//   QT_QPA_PLATFORM=offscreen orvanel_bracket_bench --benchmark_repetitions=5
//
// "Editing" times each edit of the mouse (edit: 0 place, 1 return, 2 exchange, 3 seed,
// 4 branch swap, 5 empty the draw) alone, or its undo, or its redo (timed: 0, 1, 2).
//
// "Redisplay" is what the user waits for; "LayoutOnly" is the same without a view, the
// part that the reports will share.
#include "bracket/ItemKeys.h"
#include "bracket/ScriptedSeedDialog.h"
#include "bracket/TableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/RankingLadder.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "page/Page.h"
#include "page/PageScene.h"
#include "page/PageView.h"
#include "wizards/LineStartWizardLogic.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

// A draw of `entries` with twelve rankings filling 85 % of it, 32 seeds, no qualifier.
struct Draw {
    explicit Draw(int entries) {
        host.InstallDirectory = QStringLiteral(ORVANEL_DATA_DIR);
        host.DataLocation = dir.path();
        host.WorkingDirectory = dir.path();
        LineStartWizardLogic wizard(state, prompter, BusyCursor::none(),
                                    {dir.path(), dir.path(), QStringLiteral("Hote.db")},
                                    host.InstallPath(QStringLiteral("ZECLASS.TXT")));
        const QStringList rankings = RankingLadder::LadderRange(10, 21);
        for (int row = 1; row <= 12; ++row) {
            state.Rankings[row] = {rankings[row - 1], entries * 85 / 100 / 12, 0};
        }
        wizard.Init(0, 0, 32, 0);
        wizard.setBuildSkeleton(true);
        wizard.Suivant([this](const LineStartFigures& shown, bool) {
            figures = shown;
            return false;
        });
    }

    QTemporaryDir dir;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    LineStartFigures figures;
};

void open(TableauPrevisualise& view, const Draw& draw) {
    view.settings().Kind = BracketSettings::DrawKind::LineStart;
    view.settings().HideEmptyBranches = false;
    view.settings().SeedCount = 32;
    view.OpenLineStart(draw.figures);
}

// A draw opened in the bracket view's logic with its page shown in a view, the items
// polished as the event loop leaves them.
struct ShownDraw {
    explicit ShownDraw(int entries)
        : draw(entries),
          shown(page),
          view(page, draw.state, draw.host, draw.prompter, BusyCursor::none()) {
        open(view, draw);
        QApplication::processEvents();
    }

    Draw draw;
    Page page;
    PageView shown;
    TableauPrevisualise view;
};

void Redisplay(benchmark::State& state) {
    ShownDraw opened(static_cast<int>(state.range(0)));
    TableauPrevisualise& view = opened.view;
    for (auto _ : state) {
        view.FullRedisplay(true);
        benchmark::DoNotOptimize(opened.shown.pageScene().itemCount());
        // Between two commands the program's event loop polishes the new items; without
        // it, the scene would look each one up in its list of items to polish when the
        // next redisplay removes it.
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = 2 * state.range(0) - 1;
    state.counters["items"] = opened.page.count();
}
BENCHMARK(Redisplay)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

void LayoutOnly(benchmark::State& state) {
    Draw draw(static_cast<int>(state.range(0)));
    Page page;
    TableauPrevisualise view(page, draw.state, draw.host, draw.prompter, BusyCursor::none());
    open(view, draw);
    for (auto _ : state) {
        view.FullRedisplay(true);
        benchmark::DoNotOptimize(page.count());
    }
    state.counters["lines"] = 2 * state.range(0) - 1;
}
BENCHMARK(LayoutOnly)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

// "Zoom moins" then "Zoom plus" on the page of a 1024-entry draw shown in the view:
// every item scaled, the panel put back, the scene following.
void ZoomOutAndIn(benchmark::State& state) {
    ShownDraw opened(1024);
    for (auto _ : state) {
        opened.view.ZoomOut();
        opened.view.ZoomIn();
        benchmark::DoNotOptimize(opened.page.count());
    }
    state.counters["items"] = opened.page.count();
}
BENCHMARK(ZoomOutAndIn)->Unit(benchmark::kMillisecond);

// "Augmenter" then "Diminuer les dimensions du tableau" from a draw of `entries`: the
// table rewritten twice, each followed by the full redisplay the commands end with.
void AddAndRemoveRound(benchmark::State& state) {
    Draw draw(static_cast<int>(state.range(0)));
    Page page;
    TableauPrevisualise view(page, draw.state, draw.host, draw.prompter, BusyCursor::none());
    open(view, draw);
    for (auto _ : state) {
        view.AddRound();
        view.RemoveRound();
        benchmark::DoNotOptimize(page.count());
    }
}
BENCHMARK(AddAndRemoveRound)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);

// The edits of the mouse on the page of a 1024-entry draw shown in the view, each timed
// alone, then its undo and its redo timed alone: placement from the roster, return to
// the roster, exchange of two lines, the seed dialog's OK. The branch swap and the
// emptying of the draw end with a full redisplay and take its time.
enum class Edit { Place, Return, Exchange, Seed, Swap, Empty };
enum class Timed { Edit, Undo, Redo };

// The first name labels or segments, in page order, that carry a line (tag above 0) and
// whose text passes the test.
QStringList lineItems(const Page& page, const QString& prefix,
                      const std::function<bool(const QString&)>& test, int count) {
    QStringList found;
    for (const QString& name : page.names(prefix)) {
        const PageItem* item = page.find(name);
        if (item->tag > 0 && test(item->text) && found.size() < count) {
            found.append(name);
        }
    }
    return found;
}

void run(ShownDraw& opened, Edit edit) {
    BracketEditor& editor = opened.view.editor();
    Page& page = opened.page;
    ScriptedSeedDialog dialog({{QStringLiteral("5"), ScriptedSeedDialog::Step::Button::Ok}},
                              opened.draw.prompter);
    const auto named = [](const QString& text) { return !text.trimmed().isEmpty(); };
    const auto any = [](const QString&) { return true; };
    const QString first = lineItems(page, ItemKeys::Name, named, 1).value(0);
    switch (edit) {
        case Edit::Place:
            // Room on the roster: the skeleton has placed every player.
            page.change(QStringLiteral("Effectif1"),
                        [](PageItem& entry) { entry.text.replace(0, 2, QStringLiteral(" 0")); });
            editor.Drop(QStringLiteral("Effectif1"), first, dialog);
            break;
        case Edit::Return: {
            const QString ranking = page.find(first)->text.trimmed();
            for (const QString& entry : page.names(QStringLiteral("Effectif"))) {
                if (page.find(entry)->text.endsWith(QStringLiteral("(%1)").arg(ranking))) {
                    editor.Drop(first, entry, dialog);
                }
            }
            break;
        }
        case Edit::Exchange: {
            const QString other = lineItems(
                                      page, ItemKeys::Name,
                                      [&](const QString& text) {
                                          return named(text) && text != page.find(first)->text;
                                      },
                                      1)
                                      .value(0);
            editor.Drop(first, other, dialog);
            break;
        }
        case Edit::Seed:
            editor.Click(first, dialog);
            break;
        case Edit::Swap: {
            const QStringList segments =
                lineItems(page, ItemKeys::Segment + QStringLiteral("02"), any, 2);
            editor.Drop(segments.value(0), segments.value(1), dialog);
            break;
        }
        case Edit::Empty:
            editor.EmptyDraw();
            break;
    }
}

void Editing(benchmark::State& state) {
    const auto edit = static_cast<Edit>(state.range(0));
    const auto timed = static_cast<Timed>(state.range(1));
    ShownDraw opened(1024);
    QUndoStack& stack = opened.view.editor().undoStack();
    for (auto _ : state) {
        if (timed != Timed::Edit) {
            state.PauseTiming();
        }
        run(opened, edit);
        if (timed == Timed::Edit) {
            state.PauseTiming();
        } else {
            state.ResumeTiming();
        }
        stack.undo();
        if (timed == Timed::Redo) {
            stack.redo();
            state.PauseTiming();
            stack.undo();
        } else if (timed == Timed::Undo) {
            state.PauseTiming();
        }
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["steps"] = stack.count();
}
BENCHMARK(Editing)
    ->ArgNames({"edit", "timed"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1, 2}})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
