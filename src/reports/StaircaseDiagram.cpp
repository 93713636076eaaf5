#include "StaircaseDiagram.h"

#include "ReportPage.h"

#include "core/StaircaseState.h"
#include "core/TextFormat.h"

namespace {

constexpr int RankingLeft = 655;

PageFont diagramFont() {
    PageFont font;
    font.family = QStringLiteral("Comic Sans MS");
    font.pointSize = 7;
    return font;
}

}  // namespace

int StaircaseDiagram::AddRankings(ReportPage& page, const QString& band,
                                  const StaircaseState& state, int baseY) {
    const PageFont font = diagramFont();
    int last = 0;
    for (int r = 1; r <= StaircaseState::RankingCount; ++r) {
        const RankingRow& row = state.Rankings[r];
        if (row.Name.isEmpty()) {
            continue;
        }
        page.addText(band, RankingLeft, baseY + 15 * r - 5,
                     TextFormat::format(QStringLiteral("%2.0d"), row.Count) +
                         QStringLiteral("  (") + row.Name.trimmed() + QLatin1Char(')'),
                     font);
        last = r;
    }
    const int below = baseY + 15 * last;
    if (state.QualifiersIn > 0) {
        page.addText(
            band, RankingLeft, below + 15,
            TextFormat::format(QStringLiteral("%2.0d"), state.QualifiersIn) + QStringLiteral("  q"),
            font);
    }
    page.addBar(band, RankingLeft, below + 30, 30, 2);
    page.addText(band, RankingLeft, below + 35,
                 TextFormat::format(QStringLiteral("%3.0d"), state.TotalPlayers), font);
    page.addText(band, RankingLeft, below + 60,
                 QStringLiteral("Qualifiant ") +
                     TextFormat::format(QStringLiteral("%3.0d"), state.QualifiersOut),
                 font);
    if (state.Couples > 0) {
        page.addText(band, RankingLeft, below + 75,
                     TextFormat::format(QStringLiteral("%2.0d"), state.Couples) +
                         QStringLiteral("  Couples"),
                     font);
    }
    return last;
}

void StaircaseDiagram::AddTours(ReportPage& page, const QString& band, const StaircaseState& state,
                                int baseY, int last, int tours) {
    const PageFont font = diagramFont();
    int x = 680;
    int y = baseY + 15 * last + 110;
    int total = 0;
    page.addText(band, x + 55, y, QString::number(state.QualifiersOut) + QStringLiteral(" Q"),
                 font);
    for (int t = 1; t <= tours && t <= StaircaseState::StepCount; ++t) {
        const StaircaseStep& step = state.Steps[t];
        if (step.Positions <= 0) {
            continue;
        }
        page.addText(band, x, y, QString::number(step.Positions), font);
        page.addBar(band, x, y + 13, 15, 2);
        page.addText(band, x + 20, y, QStringLiteral("-->"), font);
        y += 15;
        int ranked = 0;
        for (const StepEntry& entry : step.Entries) {
            if (entry.Name.isEmpty()) {
                continue;
            }
            page.addText(band, x, y,
                         QString::number(entry.Count) + QStringLiteral(" (") +
                             entry.Name.trimmed() + QLatin1Char(')'),
                         font);
            if (entry.Name != QStringLiteral("q")) {
                ranked += entry.Count;
            }
            y += 15;
        }
        const int compressions = step.Positions / 2 - ranked;
        if (compressions > 0) {
            page.addText(band, x + 20, y, QStringLiteral("(%1 comp.)").arg(compressions), font);
            total += compressions;
        }
        if (t < tours && step.Arriving > 0) {
            page.addText(band, x, y, QString::number(step.Arriving), font);
        }
        x -= 38;
    }
    if (state.Compressions < total) {
        page.addText(band, x + 50, y,
                     QStringLiteral("(%1 parties se joueront sans qualifiés)")
                         .arg(total - state.Compressions),
                     font);
    }
}
