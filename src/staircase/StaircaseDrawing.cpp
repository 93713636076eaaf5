#include "StaircaseDrawing.h"

#include "SolutionCheck.h"
#include "core/RankingLadder.h"
#include "core/StaircaseState.h"
#include "core/TextFormat.h"
#include "page/Page.h"

namespace {

QString number(int value) {
    return QString::number(value);
}

QString entryName(const QString& name) {
    return QStringLiteral("(") + name.trimmed() + QStringLiteral(")");
}

}  // namespace

void StaircaseDrawing::label(const QString& name, int top, int left, const QString& text) {
    PageItem label;
    label.name = name;
    label.top = top;
    label.left = left;
    label.text = text;
    page_.add(label);
}

void StaircaseDrawing::AjouteLabel(int top, int left, const QString& text, bool withArrow) {
    label(QString(), top, left, text);
    if (withArrow) {
        PageItem line;
        line.kind = PageItem::Kind::Bar;
        line.top = top + 12;
        line.left = left;
        line.width = 15;
        line.height = 2;
        page_.add(line);
        AjouteLabel(top, left + 20, QStringLiteral("---->"), false);
    }
}

void StaircaseDrawing::AffInfoQualifieSortant(int top, const QString& name) {
    if (!state_.FinalDraw) {
        label(name, top, 620,
              QStringLiteral("Qualifiant ") +
                  TextFormat::format(QStringLiteral("%3.0d"), state_.QualifiersOut));
    } else {
        label(name, top, 610,
              QStringLiteral("Joueurs ") + RankingLadder::RoundName(state_.QualifiersOut));
    }
}

void StaircaseDrawing::AfficheInfo(int tours, int total) {
    int r = 0;
    for (int i = 1; i <= StaircaseState::RankingCount; ++i) {
        const RankingRow& row = state_.Rankings[i];
        if (!row.Name.isEmpty()) {
            AjouteLabel(15 * i + 10, 620,
                        TextFormat::format(QStringLiteral("%2.0d"), row.Count) +
                            QStringLiteral("  ") + entryName(row.Name),
                        false);
            r = i;
        }
    }
    if (state_.QualifiersIn > 0) {
        AjouteLabel(15 * r + 25, 620,
                    TextFormat::format(QStringLiteral("%2.0d"), state_.QualifiersIn) +
                        QStringLiteral("  q"),
                    false);
    }
    PageItem line;
    line.kind = PageItem::Kind::Bar;
    line.top = 15 * r + 40;
    line.left = 620;
    line.width = 30;
    line.height = 2;
    page_.add(line);
    AjouteLabel(15 * r + 45, 620, TextFormat::format(QStringLiteral("%3.0d"), total), false);
    AffInfoQualifieSortant(15 * r + 70);
    if (state_.Couples > 0) {
        AjouteLabel(15 * r + 90, 620,
                    TextFormat::format(QStringLiteral("%2.0d"), state_.Couples) +
                        QStringLiteral("  Couples"),
                    false);
    }
    AjouteLabel(50, 525, number(state_.QualifiersOut) + QStringLiteral(" Q"), false);

    int x = 470;
    int y = 50;
    int compressions = 0;
    for (int j = 1; j <= tours; ++j) {
        AjouteLabel(1, x, number(tours - j + 1) + (j == 1 ? QStringLiteral(" tours") : QString()),
                    false);
        const StaircaseStep& step = state_.Steps[j];
        if (step.Positions <= 0) {
            continue;
        }
        AjouteLabel(y, x, number(step.Positions), true);
        y += 15;
        int ranked = 0;
        for (const StepEntry& entry : step.Entries) {
            if (entry.Name.isEmpty()) {
                continue;
            }
            AjouteLabel(y, x, number(entry.Count) + QStringLiteral(" ") + entryName(entry.Name),
                        false);
            y += 15;
            if (entry.Name != QStringLiteral("q")) {
                ranked += entry.Count;
            }
        }
        const int missing = step.Positions / 2 - ranked;
        if (missing > 0) {
            AjouteLabel(y, x + 30, number(missing) + QStringLiteral(" compression(s)"), false);
            compressions += missing;
        }
        // The winners sent on stand on the line where the next column starts.
        if (j != tours && step.Arriving > 0) {
            AjouteLabel(y, x, number(step.Arriving), false);
        }
        x -= 55;
    }
    if (state_.Compressions < compressions && state_.QualifiersIn > 0) {
        const int withoutQualifiers = compressions - state_.Compressions;
        AjouteLabel(
            y, x + 100,
            number(withoutQualifiers) +
                (withoutQualifiers == 1 ? QStringLiteral(" partie se jouera sans qualifiés")
                                        : QStringLiteral(" parties se joueront sans qualifiés")),
            false);
    }
}

void StaircaseDrawing::verdict(int top, int left, const QString& text, bool bold, int red,
                               int green, int blue) {
    PageItem label;
    label.top = top;
    label.left = left;
    label.text = text;
    label.font.family = QStringLiteral("Comic Sans MS");
    label.font.bold = bold;
    label.textColor = QColor(red, green, blue);
    page_.add(label);
}

void StaircaseDrawing::Verdicts(const SolutionCheck& check, int top, int left) {
    int n = 0;
    for (const SpreadRanking& spread : check.SpreadRankings) {
        ++n;
        verdict(top + 20 * n + 30, left + 5,
                QStringLiteral("Les ") + spread.Name + QStringLiteral(" sont sur ") +
                    number(spread.Tours) + QStringLiteral(" tours"),
                false, 255, 0, 0);
    }
    if (!check.SpreadRankings.isEmpty()) {
        verdict(top + 25, left,
                QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"), true, 255,
                0, 0);
    } else if (check.TwoTourCount == 0) {
        verdict(top + 25, left, QStringLiteral("Tous les classements sont admis sur 1 tour"), true,
                0, 128, 0);
    } else {
        const bool oneShown = check.OneTourCount > 0;
        if (oneShown) {
            verdict(top + 25, left,
                    check.OneTourCount == 1
                        ? QStringLiteral("1 classement est admis sur 1 tour")
                        : number(check.OneTourCount) +
                              QStringLiteral(" classements sont admis sur 1 tour"),
                    false, 0, 128, 0);
        }
        // "sur 2 tour" is singular in both forms.
        verdict(oneShown ? top + 45 : top + 25, left,
                check.TwoTourCount == 1 ? QStringLiteral("1 classement est admis sur 2 tour")
                                        : number(check.TwoTourCount) +
                                              QStringLiteral(" classements sont admis sur 2 tour"),
                false, 0, 0, 255);
    }
    if (check.QualifierTourCount > 2) {
        verdict(top + 45, left,
                QStringLiteral("Solution incorrecte, qualifiée(s) sur plus de 2 tours"), true, 255,
                0, 0);
    }
    // A staircase that does not fit the step table is shown as far as it was distributed.
    if (check.Overflow == WalkPoint::Overflow::Rows) {
        verdict(top + 65, left,
                QStringLiteral("Solution incorrecte, l'escalier dépasse 12 classements"), true, 255,
                0, 0);
    } else if (check.Overflow == WalkPoint::Overflow::Entries) {
        verdict(top + 65, left,
                QStringLiteral("Solution incorrecte, une marche dépasse 8 classements"), true, 255,
                0, 0);
    }
}
