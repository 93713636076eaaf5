#include "DrawTitleBlock.h"

#include "ReportColors.h"
#include "ReportPage.h"
#include "ReportStaircaseBuild.h"
#include "StaircaseDiagram.h"

#include "core/StaircaseState.h"
#include "core/TextFormat.h"

#include <QRegularExpression>

namespace {

constexpr int BlockLeft = 600;

PageFont blockFont(bool bold = false, int size = 7) {
    PageFont font;
    font.family = QStringLiteral("Comic Sans MS");
    font.pointSize = size;
    font.bold = bold;
    return font;
}

QString solutionTitle(const StaircaseState& state, int solution) {
    if (state.SingleSolution) {
        return QStringLiteral("Solution trouvée");
    }
    return QStringLiteral("Solution %1 sur %2 traitée(s)").arg(solution).arg(state.StoredSolutions);
}

}  // namespace

void DrawTitleBlock::AddStaggered(ReportPage& page, const QString& band, StaircaseState& state,
                                  int solutionNumber) {
    if (!state.SkeletonErrorText.isEmpty()) {
        state.SkeletonErrorText.replace(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")),
                                        QStringLiteral(", "));
        page.addText(band, 1, 1,
                     state.SkeletonErrorText +
                         QStringLiteral(" (%1 erreur(s))").arg(state.SkeletonErrorCount),
                     blockFont(true), ReportColors::Red());
    }
    page.addText(band, BlockLeft, 10,
                 state.ManualEntry ? QStringLiteral("Saisie escalier.")
                                   : solutionTitle(state, solutionNumber),
                 blockFont(true));
    const ReportStaircaseBuild::Result built = ReportStaircaseBuild::Run(state, solutionNumber);
    page.addText(
        band, BlockLeft, 20,
        QStringLiteral("Tableau %1 entrées, sur %2 tour(s)").arg(built.drawSize).arg(built.tours),
        blockFont());
    for (qsizetype q = 1; q <= built.spread.size(); ++q) {
        const ReportStaircaseBuild::Spread& spread = built.spread[q - 1];
        page.addText(band, BlockLeft, 30 + 10 * static_cast<int>(q),
                     spread.name + QStringLiteral(" sont sur %1 tours").arg(spread.tours),
                     blockFont(), ReportColors::Red());
    }
    if (!built.spread.isEmpty()) {
        page.addText(band, BlockLeft, 30,
                     QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"),
                     blockFont(true, ReportPage::DefaultLabelSize), ReportColors::Red());
    } else if (built.twoTours == 0) {
        page.addText(band, BlockLeft, 30,
                     QStringLiteral("Tous les classements rentrent sur 1 tour"), blockFont(true),
                     ReportColors::Green());
    } else {
        if (built.oneTour > 0) {
            page.addText(band, BlockLeft, 35,
                         QStringLiteral("%1 classement(s) sur 1 tour").arg(built.oneTour),
                         blockFont(), ReportColors::Green());
        }
        page.addText(band, BlockLeft, built.oneTour > 0 ? 45 : 35,
                     QStringLiteral("%1 classement(s) sur 2 tour").arg(built.twoTours), blockFont(),
                     ReportColors::Blue());
    }
    const int baseY = 90;
    const int last = StaircaseDiagram::AddRankings(page, band, state, baseY);
    StaircaseDiagram::AddTours(page, band, state, baseY, last, built.tours);
}

void DrawTitleBlock::AddLineStart(ReportPage& page, const QString& band,
                                  const StaircaseState& state, const LineStart& figures) {
    const PageFont font = blockFont();
    const auto figure = [&](int top, const char* pattern, const char* name, int value) {
        page.addText(band, BlockLeft, top,
                     TextFormat::format(QString::fromLatin1(pattern),
                                        {TextFormat::Arg(QString::fromLatin1(name)),
                                         TextFormat::Arg(static_cast<long long>(value))}),
                     font);
    };
    figure(20, "%4.4s = %2.0d", "N", state.TotalPlayers);
    figure(35, "%4.4s = %2.0d", "D", state.Dimension);
    figure(50, "%4.4s = D - N = %2.0d", "E", figures.byes);
    figure(65, "%4.4s = N - E = %2.0d", "NE", figures.roundOnePlayers);
    figure(80, "%4.4s = NE / 2 = %2.0d", "NPNE", figures.roundOnePlayers / 2);
    figure(95, "%4.4s = %2.0d", "QS", state.QualifiersOut);
    const int baseY = 130;
    const int last = StaircaseDiagram::AddRankings(page, band, state, baseY);
    const int below = baseY + 15 * last;
    // The seeds of the draw printed: the state's count belongs to the staggered-entry
    // wizard and may be left from another draw.
    if (figures.seeds > 0) {
        page.addText(
            band, 655, below + 85,
            TextFormat::format(QStringLiteral("%2.0d"), figures.seeds) + QStringLiteral("  TS"),
            font);
    }
    page.addText(band, 655, below + 100,
                 TextFormat::format(QStringLiteral("N/2 = %2.0d"), state.TotalPlayers / 2), font);
    page.addText(band, 655, below + 115,
                 TextFormat::format(QStringLiteral("N/8 = %2.0d"), state.TotalPlayers / 8), font);
    for (qsizetype i = 0; i < figures.infoLines.size(); ++i) {
        page.addText(band, BlockLeft, baseY + 15 * (last + static_cast<int>(i)) + 130,
                     figures.infoLines[i], font);
    }
}
