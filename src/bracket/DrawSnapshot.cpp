#include "DrawSnapshot.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"

#include <algorithm>

DrawSnapshot DrawSnapshot::Read(RecordTable& table) {
    std::vector<BracketLine> lines;
    lines.reserve(static_cast<std::size_t>(table.RecordCount()));
    const int here = table.RecNo();
    for (table.First(); !table.Eof(); table.Next()) {
        lines.push_back(BracketLine::Read(table));
    }
    table.SetRecNo(here);
    return Of(std::move(lines));
}

DrawSnapshot DrawSnapshot::Of(std::vector<BracketLine> lines) {
    DrawSnapshot snapshot;
    std::stable_sort(lines.begin(), lines.end(), [](const BracketLine& a, const BracketLine& b) {
        return a.FicheNumero < b.FicheNumero;
    });
    snapshot.lines_ = std::move(lines);
    for (std::size_t at = 0; at < snapshot.lines_.size(); ++at) {
        snapshot.byNumber_.insert(snapshot.lines_[at].FicheNumero, at);
    }
    return snapshot;
}

const BracketLine* DrawSnapshot::line(int number) const {
    const auto found = byNumber_.constFind(number);
    return found == byNumber_.cend() ? nullptr : &lines_[found.value()];
}

int DrawSnapshot::position(int number) const {
    const BracketLine* found = line(number);
    return found == nullptr ? DrawLine::Empty : found->Position;
}

bool DrawSnapshot::isEntrant(int number) const {
    const int code = position(number);
    return code == DrawLine::Entrant || code == DrawLine::Seed;
}
