#include "DrawLines.h"

#include "DrawLine.h"
#include "RecordTable.h"

#include <QFileInfo>

#include <algorithm>

bool DrawLines::FillNumbered(RecordTable& table, int count) {
    // The batch needs the file open to group the writes.
    if (!table.isOpen() && !table.Open()) {
        return false;
    }
    RecordTable::Batch batch(table);
    if (!table.Empty()) {
        return false;
    }
    for (int line = 1; line <= count; ++line) {
        table.Insert();
        table.setInteger(DrawLine::FicheNumero, line);
        if (!table.Post()) {
            table.Cancel();
            return false;
        }
    }
    if (!batch.commit()) {
        return false;
    }
    table.First();
    return true;
}

bool DrawLines::CopyLineToHost(const RecordTable& working, RecordTable& host) {
    if (!host.Edit()) {
        return false;
    }
    const int key = host.layout().fieldIndex(DrawLine::FicheNumero);
    const int count = std::min(working.FieldCount(), host.FieldCount());
    for (int at = 0; at < count; ++at) {
        if (at != key) {
            host.setValue(at, working.value(at));
        }
    }
    host.setText(DrawLine::Classement, working.text(DrawLine::Nom));
    return host.Post();
}

bool DrawLines::SameFile(const RecordTable& a, const RecordTable& b) {
    const QFileInfo first(a.filePath());
    const QFileInfo second(b.filePath());
    if (first.exists() && second.exists()) {
        return first.canonicalFilePath() == second.canonicalFilePath();
    }
    return first.absoluteFilePath() == second.absoluteFilePath();
}
