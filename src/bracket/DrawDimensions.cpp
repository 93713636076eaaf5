#include "DrawDimensions.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"

namespace {

int dimensionOf(const RecordTable& table) {
    return (table.RecordCount() + 1) / 2;
}

// Ends the batch of a change; the table keeps all of it or none.
int settle(RecordTable& table, RecordTable::Batch& batch, bool written) {
    if (!written) {
        batch.abandon();
        return 0;
    }
    if (!batch.commit()) {
        return 0;
    }
    table.First();
    return dimensionOf(table);
}

bool renumber(RecordTable& table, int number) {
    table.setInteger(DrawLine::FicheNumero, number);
    return table.Post();
}

}  // namespace

int DrawDimensions::AddFirstRound(RecordTable& table, int dimension) {
    const int doubled = 2 * dimension;
    RecordTable::Batch batch(table);
    // From the last line back, so that no line takes a number another still holds; the
    // shift keeps the order of the lines, so the cursor stays on the line it moved.
    bool written = true;
    for (int place = table.RecordCount(); written && place >= 1; --place) {
        table.SetRecNo(place);
        const int number = table.integer(DrawLine::FicheNumero);
        written = table.Edit() &&
                  (number < FirstOffBracketLine ? renumber(table, number + doubled) : table.Post());
    }
    for (int number = 1; written && number <= doubled; ++number) {
        table.Insert();
        table.setInteger(DrawLine::FicheNumero, number);
        table.setInteger(DrawLine::Position, DrawLine::Empty);
        written = table.Post();
    }
    if (!written) {
        table.Cancel();
    }
    return settle(table, batch, written);
}

int DrawDimensions::RemoveFirstRound(RecordTable& table, int dimension) {
    RecordTable::Batch batch(table);
    bool written = true;
    table.First();
    for (int removed = 0; written && removed < dimension && table.RecordCount() > 0; ++removed) {
        written = table.Delete();
    }
    // From the first line on: each takes a number below every one still to renumber.
    for (int place = 1; written && place <= table.RecordCount(); ++place) {
        table.SetRecNo(place);
        written = table.Edit() && renumber(table, place);
    }
    if (!written) {
        table.Cancel();
    }
    return settle(table, batch, written);
}
