#pragma once

#include <QString>

class Page;
class RecordTable;

// Which drops the bracket takes. Name labels, incoming-qualifier marks and roster
// entries take a roster entry that still has players to place, or a name label; a
// segment takes a segment of a line that can receive a branch (tag above 0). The drag
// source kind, label or segment, is set when a drag starts from a name label or a
// segment; a roster entry's drag leaves it as it was.
class DropAcceptance {
public:
    enum class SourceKind { Label, Segment };
    enum class Role { Other, NameLabel, IncomingMark, RosterEntry, Segment };

    static Role RoleOf(const QString& name);

    void DragStarted(const QString& source);
    SourceKind sourceKind() const { return kind_; }

    // A roster entry dropped on an outgoing qualifier's line would take its code away:
    // that drop is refused.
    bool Accepts(const Page& page, RecordTable& table, const QString& source,
                 const QString& target) const;

private:
    SourceKind kind_ = SourceKind::Label;
};
