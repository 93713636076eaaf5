#pragma once

#include <QColor>
#include <QJsonObject>
#include <QString>

struct PageItem;

// An item of the bracket view's page as the bracket command prints it: its name, its
// kind ("label", "bar", "circle", "memo" for the notes box; "line", "rectangle"), its
// text and box (a label sized by its text gets its fitted size), whether it is shown,
// its font (labels only, by the family the page asks for), its colour (a label's text,
// a shape's pen), its background and its tag.
class PageItemJson {
public:
    static QJsonObject ToJson(const PageItem& item);
    // "black", "white", "red", "green", "blue", "navy", else "#rrggbb".
    static QString ColorName(const QColor& color);
    // "transparent" for none, "page" for the page's own colour, else a colour.
    static QString BackgroundName(const QColor& color);
};
