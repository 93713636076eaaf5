#include "StaggeredSkeleton.h"

#include "SkeletonWriter.h"
#include "StaggeredLineChoice.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/DrawLines.h"
#include "drawtable/HostTransfer.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"

#include <algorithm>

StaggeredSkeleton::StaggeredSkeleton(StaircaseState& state, int tourCount,
                                     const TableLocations& places, Prompter& prompter)
    : state_(state),
      tourCount_(std::clamp(tourCount, 0, StaircaseState::StepCount)),
      places_(places),
      prompter_(prompter) {}

bool StaggeredSkeleton::TraiteSqueletteTableau() {
    state_.SkeletonErrorText.clear();
    state_.SkeletonErrorCount = 0;
    const int dimension = state_.Dimension;
    RecordTable table(TableLayout::DrawLine(), places_.DataLocation, TableNames::StaggeredDraw);
    SkeletonWriter writer(table, dimension, state_, prompter_);
    if (!table.Open()) {
        writer.report(table.errorText());
        return false;
    }
    // One batch for the whole construction: a table that cannot be written keeps what
    // it held before, and the problem is told.
    RecordTable::Batch batch(table);
    if (!DrawLines::FillNumbered(table, 2 * dimension - 1)) {
        writer.report(table.errorText());
        return false;
    }
    if (dimension < 1) {
        writer.report(SkeletonWriter::IncompleteMessage());
        return commit(batch, table, writer);
    }
    const int qualifiersOut = state_.QualifiersOut;
    if (!state_.FinalDraw) {
        for (int j = 1; j <= qualifiersOut; ++j) {
            writer.MetDonneesBD(j, j, QString(), DrawLine::OutgoingQualifier, tourCount_ + 1);
        }
    }
    StaggeredLineChoice choice(writer, qualifiersOut, dimension, tourCount_, state_.Seeds);
    placed_ = 0;
    for (int s = 1; s <= tourCount_; ++s) {
        placeTour(s, writer, choice);
    }
    writer.ClearBlocked();
    return commit(batch, table, writer);
}

bool StaggeredSkeleton::commit(RecordTable::Batch& batch, const RecordTable& table,
                               SkeletonWriter& writer) {
    if (!batch.commit()) {
        writer.report(table.errorText());
        return false;
    }
    return true;
}

void StaggeredSkeleton::placeTour(int s, SkeletonWriter& writer, StaggeredLineChoice& choice) {
    const StaircaseStep& step = state_.Steps[s];
    const auto& entries = step.Entries;
    const int entryCount = StaircaseStep::EntryCount;
    const int round = tourCount_ - s + 1;
    choice.startTour(s, round, step.Arriving == step.Positions / 2, placed_);
    int u = 1;
    int n = 0;
    int pairs = 0;
    // Players of entry u placed so far. Every tour starts it afresh: after a tour that
    // ended early, a count carried over would let the next tour's first entry overrun.
    int placedOfEntry = 0;
    for (int i = 1; i <= step.Positions - step.Arriving; ++i) {
        while (u < entryCount && entries[u].Name.isEmpty()) {
            ++u;
        }
        // More direct entrants than the eight entries of the tour hold: the rest of the
        // tour cannot be placed.
        if (u > entryCount || entries[u].Name.isEmpty()) {
            writer.report(SkeletonWriter::IncompleteMessage());
            break;
        }
        ++placed_;
        choice.nextPosition();
        const int position = placed_ <= state_.Seeds ? DrawLine::Seed : DrawLine::Entrant;
        // The first Count(u) - Count(u + 1) players of the entry stand alone; each of the
        // following ones brings its partner of entry u + 1.
        if (u < entryCount && (SkeletonWriter::isQualifierName(entries[u + 1].Name) ||
                               entries[u + 1].Name == entries[u].Name)) {
            if (entries[u].Count - entries[u + 1].Count == n) {
                pairs = entries[u + 1].Count;
            }
            ++n;
        }
        const std::optional<int> h = choice.chooseLine();
        if (!h) {
            break;
        }
        if (*h < 1) {
            writer.report(SkeletonWriter::IncompleteMessage());
            break;
        }
        writer.PlaceEntrant(*h, placed_, round, entries[u].Name, position);
        ++placedOfEntry;
        if (pairs > 0) {
            writer.PlacePartenaire(*h, round, entries[u + 1].Name);
            ++i;
            if (--pairs == 0) {
                u += 2;
                n = 0;
                placedOfEntry = 0;
            }
        }
        if (u <= entryCount && placedOfEntry == entries[u].Count) {
            ++u;
            placedOfEntry = 0;
        }
        choice.afterPlacement(*h, placed_);
    }
    choice.endTour(step);
}

bool StaggeredSkeleton::TransfereTableau() {
    return HostTransfer::Run(places_, TableNames::StaggeredDraw, 2 * state_.Dimension - 1,
                             prompter_, HostTransfer::CopyInOrder);
}
