#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// The font of a label, by the name the windows and reports use ("Arial", "Comic Sans
// MS", "Times New Roman"); the renderers map it to an installed font.
struct PageFont {
    QString family = QStringLiteral("Arial");
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const PageFont&) const = default;
};

// One named, positioned item of a page, in integer pixels from the page's top left
// corner (one pixel is 1/96 inch on paper).
struct PageItem {
    enum class Kind {
        Label,      // text in a box
        Bar,        // a filled rectangle: segments, connectors, separators
        Line,       // from (left, top) to (left + width, top + height)
        Rectangle,  // an outline
        Circle,     // an outline inscribed in the box
    };

    QString name;
    Kind kind = Kind::Label;
    int left = 0;
    int top = 0;
    int width = 0;   // a label of width 0 takes the width of its text
    int height = 0;  // a label of height 0 takes the height of its font

    QString text;
    PageFont font;
    QColor textColor = QColor(0, 0, 0);
    QColor background;  // invalid: transparent
    // Labels: the background colour is kept but not painted, as on a transparent control
    // whose colour was set.
    bool transparent = false;
    // Labels: a one-pixel frame inside the box, the text kept 5 pixels from its sides and
    // 3 from its top and bottom, as in an edit box; invalid: no frame.
    QColor frameColor;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;

    QColor penColor = QColor(0, 0, 0);  // shapes; a bar is filled with it
    int penWidth = 1;
    QColor brushColor;  // rectangles and circles; invalid: not filled

    QString hint;
    bool showHint = true;  // false: the hint is kept but not shown
    int tag = 0;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool visible = true;
    bool draggable = false;

    // A label at a place with its text and font, sized by its text.
    static PageItem TextAt(const QString& name, int left, int top, const QString& text,
                           const PageFont& font) {
        PageItem item;
        item.name = name;
        item.left = left;
        item.top = top;
        item.text = text;
        item.font = font;
        return item;
    }
    // A bar filled with the pen's colour.
    static PageItem BarAt(const QString& name, int left, int top, int width, int height) {
        PageItem item;
        item.name = name;
        item.kind = Kind::Bar;
        item.left = left;
        item.top = top;
        item.width = width;
        item.height = height;
        return item;
    }

    QRect box() const { return QRect(left, top, width, height); }
    bool operator==(const PageItem&) const = default;
};
