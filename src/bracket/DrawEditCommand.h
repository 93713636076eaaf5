#pragma once

#include "EditSnapshot.h"

#include <QUndoCommand>

#include <functional>

// One edit of the bracket on the view's undo stack. It is pushed once the edit is done:
// its first redo does nothing; later ones, and undo, hand the change back to the view.
class DrawEditCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const DrawDelta&, bool undo)>;

    DrawEditCommand(const QString& text, DrawDelta delta, Apply apply)
        : QUndoCommand(text), delta_(std::move(delta)), apply_(std::move(apply)) {}

    void undo() override { apply_(delta_, true); }
    void redo() override;

    const DrawDelta& delta() const { return delta_; }

private:
    DrawDelta delta_;
    Apply apply_;
    bool done_ = true;
};
