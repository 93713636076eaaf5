#include "DropAcceptance.h"

#include "ItemKeys.h"
#include "RosterEntryText.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"
#include "page/Page.h"

namespace {

const QString RosterPrefix = QStringLiteral("Effectif");

bool outgoingLine(RecordTable& table, int line) {
    if (line < 1 || !table.FindKey({line})) {
        return false;
    }
    return table.integer(DrawLine::Position) == DrawLine::OutgoingQualifier;
}

}  // namespace

DropAcceptance::Role DropAcceptance::RoleOf(const QString& name) {
    if (name.startsWith(ItemKeys::Name)) {
        return Role::NameLabel;
    }
    if (name.startsWith(ItemKeys::IncomingQualifier)) {
        return Role::IncomingMark;
    }
    if (name.startsWith(ItemKeys::Segment)) {
        return Role::Segment;
    }
    if (name.startsWith(RosterPrefix)) {
        return Role::RosterEntry;
    }
    return Role::Other;
}

void DropAcceptance::DragStarted(const QString& source) {
    switch (RoleOf(source)) {
        case Role::NameLabel:
            kind_ = SourceKind::Label;
            break;
        case Role::Segment:
            kind_ = SourceKind::Segment;
            break;
        default:
            break;
    }
}

bool DropAcceptance::Accepts(const Page& page, RecordTable& table, const QString& source,
                             const QString& target) const {
    const PageItem* dragged = page.find(source);
    const PageItem* under = page.find(target);
    if (dragged == nullptr || under == nullptr) {
        return false;
    }
    const Role role = RoleOf(target);
    if (role == Role::Segment) {
        return kind_ == SourceKind::Segment && under->tag > 0;
    }
    if (role == Role::Other) {
        return false;
    }
    if (RoleOf(source) == Role::RosterEntry) {
        if (role == Role::NameLabel && outgoingLine(table, under->tag)) {
            return false;
        }
        return RosterEntryText::Placed(dragged->text) < RosterEntryText::Total(dragged->text);
    }
    return kind_ == SourceKind::Label;
}
