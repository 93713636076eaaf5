#include "RankingGrid.h"

#include "core/IntegerText.h"
#include "core/RankingLadder.h"
#include "core/StaircaseState.h"
#include "core/WizardHandOver.h"

namespace {

// A count the figures of the staircase can hold; the same limit as the main window's.
std::optional<int> Players(const QString& text) {
    const auto value = IntegerText::toInt(text);
    if (!value || *value > WizardHandOver::MaxFigure || *value < -WizardHandOver::MaxFigure) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int RankingGrid::ReadOnEnter(StaircaseState& state) const {
    int sum = 0;
    for (int c = 1; c <= Columns; ++c) {
        if (name(c).isEmpty()) {
            continue;
        }
        RankingRow& row = state.Rankings[c];
        row.Name = name(c).left(RankingLadder::NameWidth);
        row.Count = Players(count(c)).value_or(0);
        sum += row.Count;
    }
    return sum;
}

std::optional<QString> RankingGrid::ReadForSearch(StaircaseState& state) const {
    int n = 0;
    for (int c = 1; c <= Columns; ++c) {
        if (name(c).isEmpty()) {
            continue;
        }
        const auto players = Players(count(c));
        if (!players) {
            return count(c);
        }
        if (*players <= 0) {
            continue;
        }
        ++n;
        state.Rankings[n].Name = name(c).left(RankingLadder::NameWidth).leftJustified(4);
        state.Rankings[n].Count = *players;
        state.TotalPlayers = static_cast<std::int16_t>(state.TotalPlayers + *players);
    }
    return std::nullopt;
}
