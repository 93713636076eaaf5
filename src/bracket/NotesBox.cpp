#include "NotesBox.h"

#include "BracketColors.h"
#include "PanelWriter.h"

#include "page/LabelMetrics.h"
#include "page/Page.h"

#include <QFontMetrics>

namespace {

// Its text's size measured with its own font, tabs expanded, and a margin around it.
QSize boxSize(const QString& text) {
    const QFontMetrics metrics(LabelMetrics::font(PanelWriter::DefaultFont()));
    const QSize size = metrics.size(Qt::TextExpandTabs, text);
    return QSize(size.width() + 10, size.height() + 6);
}

}  // namespace

void NotesBox::place(Page& page, int panelTop) const {
    PageItem box;
    box.name = Name;
    box.left = Left;
    box.top = panelTop + BelowPanel;
    const QSize size = boxSize(text_);
    box.width = size.width();
    box.height = size.height();
    box.text = text_;
    box.font = PanelWriter::DefaultFont();
    box.alignment = Qt::AlignLeft | Qt::AlignTop;
    box.background = BracketColors::Page;
    box.frameColor = BracketColors::Black;
    box.visible = shown_;
    page.add(std::move(box));
}

void NotesBox::setText(Page& page, const QString& text) {
    text_ = text;
    const QSize size = boxSize(text);
    page.change(Name, [&](PageItem& box) {
        box.text = text;
        box.width = size.width();
        box.height = size.height();
    });
}

void NotesBox::toggle(Page& page, int panelTop) {
    shown_ = !shown_;
    page.change(Name, [&](PageItem& box) {
        box.visible = shown_;
        if (shown_) {
            box.left = Left;
            box.top = panelTop + BelowPanel;
        }
    });
}
