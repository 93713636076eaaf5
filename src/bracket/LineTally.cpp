#include "LineTally.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"

LineTally LineTally::Of(RecordTable& table) {
    LineTally tally;
    for (table.First(); !table.Eof(); table.Next()) {
        ++tally.names_[table.text(DrawLine::Nom)];
        if (table.integer(DrawLine::Position) == DrawLine::IncomingQualifier) {
            ++tally.qualifiers_;
        }
    }
    return tally;
}

int LineTally::CountLinesOf(const QString& text) const {
    const QString wanted = text.trimmed();
    return wanted.isEmpty() ? qualifiers_ : names_.value(wanted);
}
