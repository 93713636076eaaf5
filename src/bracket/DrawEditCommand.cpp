#include "DrawEditCommand.h"

void DrawEditCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    apply_(delta_, false);
}
