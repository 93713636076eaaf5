#pragma once

#include "BracketColors.h"
#include "page/PageItem.h"

#include <QColor>
#include <QString>

class Page;

// Adds the items of the information panel: labels in Comic Sans MS 7 points, plain black
// unless asked otherwise, and bars, each tagged with its top plus 10000 so that the page
// can give every one of them back the top it was created at.
class PanelWriter {
public:
    static constexpr int TopTag = 10000;

    explicit PanelWriter(Page& page) : page_(page) {}

    static PageFont PanelFont();
    // The page's own font, that of the staircase arrows and of the notes box.
    static PageFont DefaultFont();

    void label(const QString& name, int left, int top, const QString& text,
               const QColor& color = BracketColors::Black, bool bold = false);
    void label(const QString& name, int left, int top, const QString& text, const PageFont& font,
               const QColor& color);
    void bar(const QString& name, int left, int top, int width, int height);
    // A roster entry: a label that players are dragged from and dropped on.
    void rosterEntry(const QString& name, int left, int top, const QString& text);

private:
    Page& page_;
};
