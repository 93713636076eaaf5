// The page renderer at the size of the largest bracket: 2047 lines (a draw of 1024),
// each with a segment, a name label and a ranking label.
//
//   QT_QPA_PLATFORM=offscreen orvanel_page_bench --benchmark_repetitions=5
//
// "Mirror" fills a page shown by a view (every item reaches the scene), "FindAndRecolour"
// finds items by name among them and changes them, "Clear" empties the page and its
// scene, "PaintImage" paints the whole page on an image as a report would.
#include "page/Page.h"
#include "page/PagePainter.h"
#include "page/PageScene.h"
#include "page/PageView.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 2047;

QString key(const char* prefix, int line) {
    return QString::fromLatin1(prefix) + QString::number(line).rightJustified(4, QLatin1Char('0'));
}

void fill(Page& page) {
    for (int line = 1; line <= Lines; ++line) {
        const int x = 20 + 50 * (line % 11);
        const int y = 20 + 10 * line;
        PageItem segment;
        segment.name = key("SEG", line);
        segment.kind = PageItem::Kind::Bar;
        segment.left = x - 2;
        segment.top = y;
        segment.width = 50;
        segment.height = 1;
        segment.cursor = Qt::PointingHandCursor;
        segment.draggable = true;
        page.add(segment);
        PageItem name;
        name.name = key("COL", line);
        name.left = x;
        name.top = y - 11;
        name.width = 50;
        name.height = 16;
        name.text = QStringLiteral("15/2");
        name.font.family = QStringLiteral("Times New Roman");
        name.font.pointSize = 7;
        name.alignment = Qt::AlignHCenter | Qt::AlignTop;
        page.add(name);
        PageItem ranking = name;
        ranking.name = key("CLACOL", line);
        ranking.width = 0;
        ranking.height = 0;
        ranking.top = y + 2;
        ranking.font.family = QStringLiteral("Comic Sans MS");
        ranking.font.pointSize = 5;
        page.add(ranking);
    }
}

void Mirror(benchmark::State& state) {
    for (auto _ : state) {
        Page page;
        PageView view(page);
        fill(page);
        benchmark::DoNotOptimize(view.pageScene().itemCount());
    }
    state.counters["items"] = 3 * Lines;
}
BENCHMARK(Mirror)->Unit(benchmark::kMillisecond);

void FindAndRecolour(benchmark::State& state) {
    Page page;
    PageView view(page);
    fill(page);
    int line = 1;
    for (auto _ : state) {
        page.change(key("COL", line), [](PageItem& item) { item.textColor = QColor(0, 0, 255); });
        benchmark::DoNotOptimize(view.pageScene().item(key("CLACOL", line)));
        line = line % Lines + 1;
    }
}
BENCHMARK(FindAndRecolour);

void Clear(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Page page;
        PageView view(page);
        fill(page);
        state.ResumeTiming();
        page.clear();
    }
}
BENCHMARK(Clear)->Unit(benchmark::kMillisecond);

void PaintImage(benchmark::State& state) {
    Page page;
    fill(page);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PagePainter::image(page));
    }
}
BENCHMARK(PaintImage)->Unit(benchmark::kMillisecond);

}  // namespace
