#include "EntryEvaluation.h"

#include "EntryLabelText.h"
#include "EntryNames.h"
#include "StaircaseViewLogic.h"
#include "core/Prompter.h"
#include "page/Page.h"

#include <QHash>
#include <QSet>

namespace {

int numberOf(const Page& page, const QString& name) {
    const PageItem* item = page.find(name);
    return item == nullptr ? 0 : EntryLabelText::first(item->text).value_or(0);
}

bool isQualifier(const QString& name) {
    return name.compare(QStringLiteral("q"), Qt::CaseInsensitive) == 0;
}

PageItem Verdict(const QString& name, int top, const QString& text, const QColor& colour) {
    PageItem label = PageItem::TextAt(name, StaircaseViewLogic::DrawLabelLeft, top, text,
                                      PageFont{QStringLiteral("Comic Sans MS")});
    label.textColor = colour;
    return label;
}

}  // namespace

EntryEvaluation::Result EntryEvaluation::Run(Page& page, StaircaseState& state,
                                             StaircaseViewLogic& view, int tours,
                                             Prompter& prompter) {
    state.ResetSteps();
    Result result;
    result.tours = tours;
    const int dimension = view.StoreDimension(tours);
    result.dimension = state.Dimension;
    view.TourCount = static_cast<std::int16_t>(tours);
    page.change(StaircaseViewLogic::DrawLabelName(), [&](PageItem& caption) {
        caption.text = QStringLiteral("Tableau à %1 entrées et joueurs sur %2 tour(s)")
                           .arg(dimension)
                           .arg(tours);
    });

    StaircaseSolution& solution = state.Solutions[view.CurrentSolution];
    solution.Matches.fill(0);
    solution.Matches[0] = state.QualifiersOut;

    const int unpaired = state.TotalPlayers - 2 * state.QualifiersIn;
    int l = 0;
    int p = 0;
    bool overflow = false;
    // The tours in which each ranking has lines: over one tour or over two.
    QHash<QString, QSet<int>> toursOf;
    for (int t = 1; t <= tours; ++t) {
        const QString header = EntryNames::header(t);
        if (!page.contains(header)) {
            continue;
        }
        ++l;
        StaircaseStep& step = state.Steps[l];
        step.Positions = numberOf(page, header);
        solution.Matches[static_cast<std::size_t>(l)] =
            static_cast<std::int16_t>(step.Positions / 2);
        step.Arriving = numberOf(page, EntryNames::footer(t));
        int k = 0;
        // A step holds eight entries; the ones after them are left out.
        const auto enter = [&](int at, const QString& name, int count) {
            if (at > StaircaseStep::EntryCount) {
                overflow = true;
                return;
            }
            step.Entries[at] = StepEntry{name, count};
        };
        for (int row = 1; row <= 24; ++row) {
            const PageItem* line = page.find(EntryNames::line(t, row));
            if (line == nullptr) {
                continue;
            }
            ++k;
            const int n = EntryLabelText::first(line->text).value_or(0);
            const QString name = EntryLabelText::rankingName(line->text).trimmed();
            // The qualifiers of a step are derived from the pairs below.
            if (isQualifier(name)) {
                continue;
            }
            toursOf[name].insert(t);
            enter(k, name, n);
            // Beyond the first players, each ranked player is paired with a qualifier.
            if (p + n > unpaired) {
                const int c = p < unpaired ? p + n - unpaired : n;
                ++k;
                enter(k, QStringLiteral("q"), c);
                p += n + c;
            } else {
                p += n;
            }
        }
    }
    if (overflow) {
        prompter.message(StaircaseState::EntryOverflowMessage());
    }
    for (const QSet<int>& spread : std::as_const(toursOf)) {
        if (spread.size() == 1) {
            ++result.oneTour;
        } else if (spread.size() == 2) {
            ++result.twoTour;
        }
    }
    verdicts(page, result.oneTour, result.twoTour);
    result.solution = solution;
    result.steps = state.Steps;
    return result;
}

void EntryEvaluation::verdicts(Page& page, int one, int two) {
    const int top = StaircaseViewLogic::DrawLabelTop;
    page.remove(VerdictOneName());
    if (one > 0) {
        page.add(Verdict(
            VerdictOneName(), top + 25,
            one == 1 ? QStringLiteral("1 classement est admis sur 1 tour")
                     : QString::number(one) + QStringLiteral(" classements sont admis sur 1 tour"),
            QColor(0, 128, 0)));
    }
    // "sur 2 tour" is singular in both forms.
    page.add(Verdict(
        VerdictTwoName(), one > 0 ? top + 45 : top + 25,
        two <= 1 ? QString::number(two) + QStringLiteral(" classement est admis sur 2 tour")
                 : QString::number(two) + QStringLiteral(" classements sont admis sur 2 tour"),
        QColor(0, 0, 255)));
}
