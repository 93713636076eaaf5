#pragma once

#include "DropAcceptance.h"
#include "EditSnapshot.h"

#include <QString>
#include <QUndoStack>

#include <functional>

class SeedDialog;
class TableauPrevisualise;

// The edits of the bracket view: the drops and clicks of the mouse, emptying the draw,
// and the undo and redo of every edit that changed the draw table. Each edit writes the
// table at once; the branch swap and the emptying end with a redisplay that keeps the
// table open, the others change the page in place.
class BracketEditor {
public:
    enum class Outcome {
        Done,     // the drop or click was taken (it may have changed nothing)
        Refused,  // the item under the mouse does not take that drop
        Ignored,  // an item that is not on the page, or one that cannot be dragged
    };

    explicit BracketEditor(TableauPrevisualise& view);

    QUndoStack& undoStack() { return undo_; }
    const DropAcceptance& acceptance() const { return acceptance_; }

    void DragStarted(const QString& source);
    bool Accepts(const QString& source, const QString& target);
    // A drag from source released over target (empty: over no item). A name label
    // released where nothing takes it opens the seed dialog of its line.
    Outcome Drop(const QString& source, const QString& target, SeedDialog& dialog);
    // A click on a name label: the seed dialog of its line.
    Outcome Click(const QString& label, SeedDialog& dialog);
    // "Supprimer tous les joueurs du tableau", without question.
    void EmptyDraw();

    // Runs an edit; when it changed the table, the page or the view's figures, it goes on
    // the undo stack under that text. The page's journal tells which items it changed, so
    // an edit must not record another one inside it.
    void Record(const QString& text, const std::function<void()>& edit);

private:
    void dropAccepted(const QString& source, const QString& target);
    void swapBranches(int a, int b);
    void seed(const QString& label, SeedDialog& dialog);
    EditSnapshot capture() const;
    EditSnapshot::Figures figures() const;
    void apply(const DrawDelta& delta, bool undo);

    TableauPrevisualise& view_;
    DropAcceptance acceptance_;
    QUndoStack undo_;
};
