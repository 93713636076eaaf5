// The print of a 1024-entry draw at 32 entries a sheet (33 sheets): the sheets laid out
// with their title blocks, then written to one PDF.
#include "core/StaircaseState.h"
#include "page/FontSubstitutions.h"
#include "reports/DrawPrintFlow.h"
#include "reports/ReportRenderer.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Every line of round 1 holds a player, one in eight a seed or an incoming qualifier.
DrawFile FullDraw(int dimension) {
    DrawFile draw;
    draw.kind = DrawFile::Kind::LineStart;
    draw.dimension = dimension;
    draw.qualifiersOut = 1;
    for (int line = 1; line <= 2 * dimension - 1; ++line) {
        DrawFile::Line record;
        record.line = line;
        if (line <= dimension) {
            record.position = line % 8 == 0 ? 2 : (line % 8 == 4 ? 3 : 1);
            record.numero = line / 8;
            record.nom = QStringLiteral("JOUEUR%1").arg(line);
            record.prenom = QStringLiteral("Jean");
            record.classement = QStringLiteral("15/4");
        }
        draw.lines.append(record);
    }
    return draw;
}

DrawPrintFlow::Sheets Sheets(const DrawFile& draw, StaircaseState& state) {
    DrawPrintFlow::Inputs inputs;
    inputs.draw = &draw;
    inputs.state = &state;
    inputs.lineStart = {0, draw.dimension, 64, {}};
    DrawPrintOptions options;
    options.PerSheet = 32;
    return DrawPrintFlow::Build(inputs, options);
}

void BM_LayOut1024(benchmark::State& bench) {
    const DrawFile draw = FullDraw(1024);
    StaircaseState state;
    state.Dimension = 1024;
    state.TotalPlayers = 1024;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(Sheets(draw, state).reports.size());
    }
}
BENCHMARK(BM_LayOut1024)->Unit(benchmark::kMillisecond);

void BM_Pdf1024(benchmark::State& bench) {
    const DrawFile draw = FullDraw(1024);
    StaircaseState state;
    state.Dimension = 1024;
    state.TotalPlayers = 1024;
    QTemporaryDir folder;
    for (auto _ : bench) {
        const DrawPrintFlow::Sheets sheets = Sheets(draw, state);
        ReportRenderer::Pages pages;
        for (const auto& report : sheets.reports) {
            pages.append(&report->page());
        }
        const QString error = ReportRenderer::WritePdf(
            pages, folder.filePath(QStringLiteral("draw.pdf")), QDateTime::currentDateTime());
        if (!error.isEmpty() || pages.size() != 33) {
            bench.SkipWithError("the PDF was not written");
        }
    }
}
BENCHMARK(BM_Pdf1024)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    FontSubstitutions::Install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
