#pragma once

// The seam for the wait cursor that long work shows. The windows pass the Qt
// implementation; where there is no screen, BusyCursor::none() does nothing.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void show() = 0;
    virtual void restore() = 0;

    static BusyCursor& none();
};

// Shows the wait cursor for the lifetime of the scope, and gives the normal cursor back
// however the scope ends. Work that must ask a question in between calls pause/resume.
class BusyCursorScope {
public:
    explicit BusyCursorScope(BusyCursor& cursor) : cursor_(cursor) { cursor_.show(); }
    ~BusyCursorScope() {
        if (shown_) {
            cursor_.restore();
        }
    }
    BusyCursorScope(const BusyCursorScope&) = delete;
    BusyCursorScope& operator=(const BusyCursorScope&) = delete;

    void pause() {
        if (shown_) {
            cursor_.restore();
            shown_ = false;
        }
    }
    void resume() {
        if (!shown_) {
            cursor_.show();
            shown_ = true;
        }
    }

private:
    BusyCursor& cursor_;
    bool shown_ = true;
};
