#include "BracketEditor.h"

#include "BranchSwap.h"
#include "DrawEditCommand.h"
#include "PlayerPlacement.h"
#include "TableauPrevisualise.h"

#include "core/StaircaseState.h"
#include "drawtable/RecordTable.h"
#include "page/Page.h"

namespace {

using Role = DropAcceptance::Role;

}  // namespace

BracketEditor::BracketEditor(TableauPrevisualise& view) : view_(view) {}

void BracketEditor::DragStarted(const QString& source) {
    acceptance_.DragStarted(source);
}

bool BracketEditor::Accepts(const QString& source, const QString& target) {
    RecordTable* table = view_.table();
    return table != nullptr && acceptance_.Accepts(view_.page(), *table, source, target);
}

BracketEditor::Outcome BracketEditor::Drop(const QString& source, const QString& target,
                                           SeedDialog& dialog) {
    const PageItem* dragged = view_.page().find(source);
    if (dragged == nullptr || !dragged->draggable ||
        (!target.isEmpty() && !view_.page().contains(target))) {
        return Outcome::Ignored;
    }
    DragStarted(source);
    const bool accepted = !target.isEmpty() && Accepts(source, target);
    if (accepted) {
        dropAccepted(source, target);
    } else if (DropAcceptance::RoleOf(source) == Role::NameLabel) {
        seed(source, dialog);
    }
    return accepted || target.isEmpty() ? Outcome::Done : Outcome::Refused;
}

BracketEditor::Outcome BracketEditor::Click(const QString& label, SeedDialog& dialog) {
    if (!view_.page().contains(label) || DropAcceptance::RoleOf(label) != Role::NameLabel) {
        return Outcome::Ignored;
    }
    acceptance_.DragStarted(label);
    seed(label, dialog);
    return Outcome::Done;
}

void BracketEditor::dropAccepted(const QString& source, const QString& target) {
    const Role from = DropAcceptance::RoleOf(source);
    const Role to = DropAcceptance::RoleOf(target);
    if (from == Role::Segment && to == Role::Segment) {
        swapBranches(view_.page().find(source)->tag, view_.page().find(target)->tag);
        return;
    }
    RecordTable& table = *view_.table();
    PlayerPlacement placement(view_.page(), table, view_.fonts(), view_.state().Dimension,
                              view_.geometry().LineWidth);
    if (from == Role::RosterEntry && to == Role::NameLabel) {
        Record(QStringLiteral("Placer un joueur"), [&] { placement.Place(source, target); });
    } else if (from == Role::NameLabel && to == Role::RosterEntry) {
        Record(QStringLiteral("Rendre un joueur à l'effectif"),
               [&] { placement.Return(source, target); });
    } else if (from == Role::NameLabel && to == Role::NameLabel) {
        Record(QStringLiteral("Échanger deux joueurs"),
               [&] { placement.Exchange(source, target); });
    }
}

// A segment of a named entrant (tag 0) moves no line: the drop only redisplays.
void BracketEditor::swapBranches(int a, int b) {
    Record(QStringLiteral("Échanger deux branches"), [&] {
        if (a > 0) {
            BranchSwap(*view_.table(), view_.state().Dimension, view_.state().QualifiersOut)
                .SwapBranches(a, b);
        }
        view_.FullRedisplay(false);
    });
}

void BracketEditor::seed(const QString& label, SeedDialog& dialog) {
    RecordTable* table = view_.table();
    if (table == nullptr) {
        return;
    }
    PlayerPlacement placement(view_.page(), *table, view_.fonts(), view_.state().Dimension,
                              view_.geometry().LineWidth);
    Record(QStringLiteral("Tête de série"), [&] { placement.Seed(label, dialog); });
}

void BracketEditor::EmptyDraw() {
    Record(QStringLiteral("Supprimer tous les joueurs du tableau"), [this] {
        if (RecordTable* table = view_.table()) {
            PlayerPlacement::EmptyDraw(*table);
        }
        view_.settings().HideEmptyBranches = false;
        view_.FullRedisplay(false);
    });
}

void BracketEditor::Record(const QString& text, const std::function<void()>& edit) {
    const EditSnapshot before = capture();
    Page::Journal journal;
    view_.page().setJournal(&journal);
    edit();
    view_.page().setJournal(nullptr);
    DrawDelta delta = DrawDelta::Between(before, capture());
    delta.AddItems(journal, view_.page());
    if (!delta.changesAnything()) {
        return;
    }
    undo_.push(
        new DrawEditCommand(text, std::move(delta),
                            [this](const DrawDelta& change, bool undo) { apply(change, undo); }));
}

EditSnapshot::Figures BracketEditor::figures() const {
    return {view_.settings(), view_.geometry(), view_.state().Dimension};
}

EditSnapshot BracketEditor::capture() const {
    return EditSnapshot::CaptureTable(view_.table(), figures());
}

// The page goes back item by item when it still shows what the edit left; after a zoom
// or a redisplay it is laid out again from the table.
void BracketEditor::apply(const DrawDelta& delta, bool undo) {
    if (RecordTable* table = view_.table()) {
        delta.WriteLines(*table, undo);
    }
    const EditSnapshot::Figures& wanted = undo ? delta.before : delta.after;
    view_.settings() = wanted.settings;
    view_.setGeometry(wanted.geometry);
    view_.state().Dimension = static_cast<std::int16_t>(wanted.dimension);
    if (delta.PageMatches(view_.page(), undo)) {
        delta.RestoreItems(view_.page(), undo);
    } else {
        view_.FullRedisplay(false);
    }
}
