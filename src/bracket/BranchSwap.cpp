#include "BranchSwap.h"

#include "LinePlayer.h"

#include "core/RankingLadder.h"
#include "drawtable/DrawLine.h"
#include "drawtable/LineAddressing.h"
#include "drawtable/RecordTable.h"

#include <optional>

namespace {

std::optional<LinePlayer> read(RecordTable& table, int line) {
    if (!table.FindKey({line})) {
        return std::nullopt;
    }
    return LinePlayer::Read(table);
}

void write(RecordTable& table, int line, const LinePlayer& player, bool withCode) {
    if (table.FindKey({line})) {
        player.Write(table, withCode, withCode);
    }
}

bool keepsItsCode(int position) {
    return position == DrawLine::Seed || position == DrawLine::OutgoingQualifier;
}

}  // namespace

BranchSwap::BranchSwap(RecordTable& table, int dimension, int qualifiersOut)
    : table_(table),
      dimension_(dimension),
      sectioned_(qualifiersOut > 0 && !RankingLadder::Multiple2(qualifiersOut)) {}

void BranchSwap::SwapLines(int a, int b) {
    if (a == b) {
        return;
    }
    const std::optional<LinePlayer> first = read(table_, a);
    const std::optional<LinePlayer> second = read(table_, b);
    if (!first || !second) {
        return;
    }
    const bool codes = !keepsItsCode(first->position) && !keepsItsCode(second->position);
    write(table_, b, *first, codes);
    write(table_, a, *second, codes);
}

void BranchSwap::SwapBranches(int a, int b) {
    const LineAddressing lines(dimension_);
    const int ia = lines.IndexInRound(a);
    const int ib = lines.IndexInRound(b);
    const int half = lines.RoundSize(lines.RoundOfLine(b)) / 2;
    const bool crossed = !sectioned_ && ((ia > half) != (ib > half));
    const RecordTable::Batch batch(table_);
    swapBranches(a, b, crossed);
}

void BranchSwap::swapBranches(int a, int b, bool crossed) {
    const LineAddressing lines(dimension_);
    SwapLines(a, b);
    // Lines past the table's end (the host's own) have no feeders in the draw.
    if (a <= dimension_ || b <= dimension_ || a > lines.LineCount() || b > lines.LineCount()) {
        return;
    }
    const LineAddressing::Feeders fa = lines.FeederLines(a);
    const LineAddressing::Feeders fb = lines.FeederLines(b);
    if (crossed) {
        swapBranches(fa.first, fb.second, crossed);
        swapBranches(fa.second, fb.first, crossed);
    } else {
        swapBranches(fa.first, fb.first, crossed);
        swapBranches(fa.second, fb.second, crossed);
    }
}
