#include "StaircaseViewLogic.h"

#include "SolutionEvaluator.h"
#include "StaircaseDrawing.h"
#include "core/BusyCursor.h"
#include "core/StaircaseState.h"
#include "page/Page.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int Capacity = StaircaseState::SolutionCapacity;

PageItem Caption(const QString& name, int top, bool bold) {
    PageItem label;
    label.name = name;
    label.left = StaircaseViewLogic::DrawLabelLeft;
    label.top = top;
    label.font.family = QStringLiteral("Comic Sans MS");
    label.font.pointSize = 10;
    label.font.bold = bold;
    label.textColor = QColor(0, 0, 128);
    return label;
}

}  // namespace

StaircaseViewLogic::StaircaseViewLogic(StaircaseState& state, Page& page, BusyCursor& cursor)
    : state_(state), page_(page), cursor_(cursor) {
    state_.Accepted = false;
    page_.add(Caption(SolutionLabelName(), 8, true));
    page_.add(Caption(DrawLabelName(), DrawLabelTop, false));
}

void StaircaseViewLogic::setCaption(const QString& name, const QString& text) {
    page_.change(name, [&text](PageItem& item) { item.text = text; });
}

void StaircaseViewLogic::ClearPage() {
    for (const QString& name : page_.names()) {
        if (name != SolutionLabelName() && name != DrawLabelName()) {
            page_.remove(name);
        }
    }
}

void StaircaseViewLogic::FormShow() {
    if (state_.ManualEntry) {
        return;
    }
    ClearPage();
    VerifieLesSolutions();
    // End at one stored solution steps from place 0; were that solution's first figure 0
    // (no qualifier), Next would leave it there: show place 1 rather than no place.
    CurrentSolution = std::max<std::int16_t>(CurrentSolution, 1);
    TraiteUneSolution(CurrentSolution, false);
}

bool StaircaseViewLogic::TraiteUneSolution(int k, bool checkOnly) {
    cursor_.show();
    if (state_.SingleSolution) {
        setCaption(SolutionLabelName(), QStringLiteral("Solution trouvée"));
        NextEnabled = false;
    } else {
        setCaption(
            SolutionLabelName(),
            QStringLiteral("Solution %1 sur %2 traitée(s)").arg(k).arg(state_.StoredSolutions));
    }
    check_ = SolutionEvaluator::Evaluate(state_, state_.Solutions[k]);
    if (checkOnly) {
        return check_.Incorrect;  // the caller gives the cursor back
    }
    const int dimension = StoreDimension(check_.Tours);
    setCaption(DrawLabelName(), QStringLiteral("Tableau à %1 entrées et joueurs sur %2 tour(s)")
                                    .arg(dimension)
                                    .arg(check_.Tours));
    StaircaseDrawing drawing(page_, state_);
    drawing.Verdicts(check_, DrawLabelTop, DrawLabelLeft);
    drawing.AfficheInfo(check_.Tours, state_.TotalPlayers);
    TourCount = static_cast<std::int16_t>(check_.Tours);
    cursor_.restore();
    return false;
}

int StaircaseViewLogic::StoreDimension(int tours) {
    const int dimension = SolutionEvaluator::DrawDimension(state_.QualifiersOut, tours);
    // A draw of more than 32767 entries does not fit the figure; it is far above the
    // 1024 entries a draw may have, which is what acceptance checks, and the caption
    // still gives the true size.
    const int stored = std::min<int>(dimension, std::numeric_limits<std::int16_t>::max());
    if (stored != state_.Dimension) {
        state_.Dimension = static_cast<std::int16_t>(stored);
    }
    return dimension;
}

void StaircaseViewLogic::VerifieLesSolutions() {
    const int n = state_.StoredSolutions;
    if (n <= 0) {
        return;
    }
    BusyCursorScope pass(cursor_);
    int left = n;
    int j = 1;
    for (int checked = 0; checked < n; ++checked) {
        const bool incorrect = TraiteUneSolution(j, true);
        cursor_.restore();  // the evaluation's own hourglass; the pass keeps its one
        if (!incorrect) {
            ++j;
            continue;
        }
        // The solutions after it move down one place; the place freed at the end is cleared.
        for (int i = j; i < left; ++i) {
            state_.Solutions[i] = state_.Solutions[i + 1];
        }
        std::fill(state_.Solutions[left].Matches.begin(),
                  state_.Solutions[left].Matches.begin() + 10, 0);
        --left;
    }
    state_.StoredSolutions = static_cast<std::int16_t>(left);
}

void StaircaseViewLogic::Previous() {
    if (CurrentSolution > 1) {
        --CurrentSolution;
    } else {
        PreviousEnabled = false;
    }
    FormShow();
    NextEnabled = true;
}

void StaircaseViewLogic::Next() {
    if (CurrentSolution == Capacity) {
        return;
    }
    if (state_.Solutions[CurrentSolution + 1].Matches[0] >= 1) {
        ++CurrentSolution;
    } else {
        NextEnabled = false;
    }
    FormShow();
    if (CurrentSolution >= Capacity) {
        NextEnabled = false;
    }
    PreviousEnabled = true;
}

void StaircaseViewLogic::Home() {
    CurrentSolution = 2;
    Previous();
}

void StaircaseViewLogic::End() {
    CurrentSolution =
        static_cast<std::int16_t>(state_.StoredSolutions >= 1 ? state_.StoredSolutions - 1 : 1);
    Next();
}

bool StaircaseViewLogic::KeyDown(Qt::Key key) {
    switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_Left:
            Previous();
            return true;
        case Qt::Key_PageDown:
        case Qt::Key_Right:
            Next();
            return true;
        case Qt::Key_End:
            End();
            return true;
        case Qt::Key_Home:
            Home();
            return true;
        default:
            return false;
    }
}
