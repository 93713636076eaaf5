#pragma once

#include <QString>

class Page;

// The notes box of the line-start panel: the explanations of the byes and of the
// players of round 1, hidden at first and shown or hidden by a click on them. It keeps
// its text and whether it is shown across the redisplays that rebuild the page.
class NotesBox {
public:
    static inline const QString Name = QStringLiteral("MemoInfosCouples");
    static constexpr int Left = 600;
    static constexpr int BelowPanel = 220;  // its top under the panel's T0

    // Puts the box on a page just built, as it was; top is the panel's T0.
    void place(Page& page, int panelTop) const;
    // A new text: the box takes the size of its text.
    void setText(Page& page, const QString& text);
    // Hides the box when it is shown, otherwise shows it under the panel.
    void toggle(Page& page, int panelTop);

    bool shown() const { return shown_; }
    const QString& text() const { return text_; }

private:
    QString text_;
    bool shown_ = false;
};
