#pragma once

#include "BracketGeometry.h"
#include "BracketSettings.h"

#include "drawtable/DrawFile.h"
#include "page/Page.h"
#include "page/PageItem.h"

#include <QHash>
#include <QList>
#include <QString>

#include <map>
#include <optional>

class RecordTable;

// Everything an edit of the bracket can change: the lines of the draw table, the items
// of the page, and the view's settings, geometry and dimension.
struct EditSnapshot {
    struct Figures {
        BracketSettings settings;
        BracketGeometry geometry;
        int dimension = 0;

        bool operator==(const Figures&) const = default;
    };

    std::map<int, DrawFile::Line> lines;  // by line number
    QHash<QString, PageItem> items;       // by name
    Figures figures;

    // The table may be missing (a table that could not be opened): no lines.
    static EditSnapshot Capture(const Page& page, RecordTable* table, const Figures& figures);
    // The lines and figures only: the page's changes come from its journal.
    static EditSnapshot CaptureTable(RecordTable* table, const Figures& figures);
};

// What an edit changed, and only that, so that a long history of edits on a large draw
// stays small: each line and item changed, as it was before and after (none where it did
// not exist), and the figures before and after.
struct DrawDelta {
    struct LineChange {
        int line = 0;
        std::optional<DrawFile::Line> before;
        std::optional<DrawFile::Line> after;
    };
    struct ItemChange {
        QString name;
        std::optional<PageItem> before;
        std::optional<PageItem> after;
    };

    QList<LineChange> lines;
    QList<ItemChange> items;
    EditSnapshot::Figures before;
    EditSnapshot::Figures after;

    static DrawDelta Between(const EditSnapshot& before, const EditSnapshot& after);
    // The items a page's journal saw change, as they were and as they are now.
    void AddItems(const Page::Journal& journal, const Page& page);
    // An edit that changed nothing at all (a player returned to another ranking's entry,
    // a dialog closed) is no step of the history; one that changed only the page (two
    // lines of the same content exchanged) is, so that undo gives back that page too.
    bool changesAnything() const {
        return !lines.isEmpty() || !items.isEmpty() || !(before == after);
    }

    // Puts the lines back as they were before (undo) or after; the table's failures are
    // ignored, as the edits themselves ignore them.
    void WriteLines(RecordTable& table, bool undo) const;
    // True when the page shows exactly what the other side of the edit left: the page's
    // items then go back in place. Otherwise (a zoom or a redisplay came between) the
    // caller redisplays from the table.
    bool PageMatches(const Page& page, bool undo) const;
    void RestoreItems(Page& page, bool undo) const;
};
