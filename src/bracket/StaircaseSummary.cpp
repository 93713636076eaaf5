#include "StaircaseSummary.h"

#include "PanelWriter.h"

#include "core/StaircaseState.h"

void StaircaseSummary::Draw(PanelWriter& writer, const StaircaseState& state, int tours, int top) {
    int x = Right;
    int y = top;
    int compressions = 0;
    writer.label(QStringLiteral("Info05"), 735, y, QStringLiteral("%1 Q").arg(state.QualifiersOut));
    for (int t = 1; t <= tours; ++t) {
        const StaircaseStep& step = state.Steps[t];
        if (step.Positions <= 0) {
            continue;
        }
        const QString tour = QStringLiteral("InfoEscal%1").arg(t);
        writer.label(tour, x, y, QString::number(step.Positions));
        writer.bar(tour + QLatin1Char('S'), x, y + 13, 15, 2);
        writer.label(tour + QLatin1Char('F'), x + 20, y, QStringLiteral("-->"),
                     PanelWriter::DefaultFont(), BracketColors::Black);
        y += 15;
        int ranked = 0;
        for (int e = 1; e <= StaircaseStep::EntryCount; ++e) {
            const StepEntry& entry = step.Entries[e];
            if (entry.Name.isEmpty()) {
                continue;
            }
            writer.label(QStringLiteral("InfoBranch%1_%2").arg(t).arg(e), x, y,
                         QStringLiteral("%1 (%2)").arg(entry.Count).arg(entry.Name.trimmed()));
            if (entry.Name != QStringLiteral("q")) {
                ranked += entry.Count;
            }
            y += 15;
        }
        const int missing = step.Positions / 2 - ranked;
        if (missing > 0) {
            writer.label(QStringLiteral("InfoFinEscal%1").arg(t), x + 20, y,
                         QStringLiteral("(%1 comp.)").arg(missing));
            compressions += missing;
        }
        if (t < tours && step.Arriving > 0) {
            writer.label(QStringLiteral("InfoFin2Escal%1").arg(t), x, y,
                         QString::number(step.Arriving));
        }
        x -= TourStep;
    }
    if (state.Compressions < compressions) {
        writer.label(QStringLiteral("Info08"), x + 50, y,
                     QStringLiteral("(%1 parties se joueront sans qualifiés)")
                         .arg(compressions - state.Compressions));
    }
}
