#include "PanelWriter.h"

#include "page/Page.h"

PageFont PanelWriter::PanelFont() {
    PageFont font;
    font.family = QStringLiteral("Comic Sans MS");
    font.pointSize = 7;
    return font;
}

// The page's default font is the platform's dialog font of the program's windows.
PageFont PanelWriter::DefaultFont() {
    PageFont font;
    font.family = QStringLiteral("MS Sans Serif");
    font.pointSize = 8;
    return font;
}

void PanelWriter::label(const QString& name, int left, int top, const QString& text,
                        const QColor& color, bool bold) {
    PageFont font = PanelFont();
    font.bold = bold;
    label(name, left, top, text, font, color);
}

void PanelWriter::label(const QString& name, int left, int top, const QString& text,
                        const PageFont& font, const QColor& color) {
    PageItem item = PageItem::TextAt(name, left, top, text, font);
    item.textColor = color;
    item.tag = top + TopTag;
    page_.add(std::move(item));
}

void PanelWriter::bar(const QString& name, int left, int top, int width, int height) {
    PageItem item = PageItem::BarAt(name, left, top, width, height);
    item.tag = top + TopTag;
    page_.add(std::move(item));
}

void PanelWriter::rosterEntry(const QString& name, int left, int top, const QString& text) {
    label(name, left, top, text);
    page_.change(name, [](PageItem& entry) {
        entry.cursor = Qt::PointingHandCursor;
        entry.draggable = true;
    });
}
