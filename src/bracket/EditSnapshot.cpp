#include "EditSnapshot.h"

#include "drawtable/DrawExchange.h"
#include "drawtable/RecordTable.h"
#include "page/Page.h"

EditSnapshot EditSnapshot::Capture(const Page& page, RecordTable* table, const Figures& figures) {
    EditSnapshot snapshot = CaptureTable(table, figures);
    const QList<const PageItem*> items = page.items();
    snapshot.items.reserve(items.size());
    for (const PageItem* item : items) {
        snapshot.items.insert(item->name, *item);
    }
    return snapshot;
}

EditSnapshot EditSnapshot::CaptureTable(RecordTable* table, const Figures& figures) {
    EditSnapshot snapshot;
    snapshot.figures = figures;
    if (table != nullptr && table->isOpen()) {
        for (DrawFile::Line& line : DrawExchange::ReadLines(*table)) {
            const int number = line.line;
            snapshot.lines.emplace(number, std::move(line));
        }
    }
    return snapshot;
}

void DrawDelta::AddItems(const Page::Journal& journal, const Page& page) {
    for (auto at = journal.cbegin(); at != journal.cend(); ++at) {
        const PageItem* now = page.find(at.key());
        if (at->has_value() && now != nullptr && **at == *now) {
            continue;
        }
        if (!at->has_value() && now == nullptr) {
            continue;
        }
        ItemChange change{at.key(), *at, std::nullopt};
        if (now != nullptr) {
            change.after = *now;
        }
        items.append(std::move(change));
    }
}

DrawDelta DrawDelta::Between(const EditSnapshot& before, const EditSnapshot& after) {
    DrawDelta delta;
    delta.before = before.figures;
    delta.after = after.figures;
    for (const auto& [number, line] : before.lines) {
        const auto now = after.lines.find(number);
        if (now != after.lines.end() && now->second == line) {
            continue;
        }
        LineChange change{number, line, std::nullopt};
        if (now != after.lines.end()) {
            change.after = now->second;
        }
        delta.lines.append(std::move(change));
    }
    for (const auto& [number, line] : after.lines) {
        if (!before.lines.contains(number)) {
            delta.lines.append({number, std::nullopt, line});
        }
    }
    for (auto at = before.items.cbegin(); at != before.items.cend(); ++at) {
        const auto now = after.items.constFind(at.key());
        if (now != after.items.cend() && *now == *at) {
            continue;
        }
        ItemChange change{at.key(), *at, std::nullopt};
        if (now != after.items.cend()) {
            change.after = *now;
        }
        delta.items.append(std::move(change));
    }
    for (auto at = after.items.cbegin(); at != after.items.cend(); ++at) {
        if (!before.items.contains(at.key())) {
            delta.items.append({at.key(), std::nullopt, *at});
        }
    }
    return delta;
}

void DrawDelta::WriteLines(RecordTable& table, bool undo) const {
    const RecordTable::Batch batch(table);
    for (const LineChange& change : lines) {
        const std::optional<DrawFile::Line>& wanted = undo ? change.before : change.after;
        const bool there = table.FindKey({change.line});
        if (!wanted) {
            if (there) {
                table.Delete();
            }
            continue;
        }
        if (!there) {
            table.Insert();
        }
        DrawExchange::WriteLine(table, *wanted);
    }
}

bool DrawDelta::PageMatches(const Page& page, bool undo) const {
    for (const ItemChange& change : items) {
        const std::optional<PageItem>& expected = undo ? change.after : change.before;
        const PageItem* shown = page.find(change.name);
        if (expected.has_value() != (shown != nullptr) ||
            (shown != nullptr && *shown != *expected)) {
            return false;
        }
    }
    return true;
}

void DrawDelta::RestoreItems(Page& page, bool undo) const {
    const Page::Batch batch(page);
    for (const ItemChange& change : items) {
        const std::optional<PageItem>& wanted = undo ? change.before : change.after;
        if (wanted) {
            page.add(*wanted);
        } else {
            page.remove(change.name);
        }
    }
}
