#include "ReportPage.h"

#include "core/Rounding.h"
#include "page/LabelMetrics.h"
#include "page/Page.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// A horizontal line crosses the middle of its box's height, a vertical one the middle of
// its width; the page model draws a line from its start to its end.
PageItem drawnLine(const ReportElement& element) {
    PageItem line = element.item;
    line.kind = PageItem::Kind::Line;
    if (element.kind == ReportElement::Kind::HorizontalLine) {
        line.top += element.item.height / 2;
        line.height = 0;
    } else {
        line.left += element.item.width / 2;
        line.width = 0;
    }
    return line;
}

PageItem::Kind pageKind(ReportElement::Kind kind) {
    switch (kind) {
        case ReportElement::Kind::Label:
            return PageItem::Kind::Label;
        case ReportElement::Kind::Bar:
            return PageItem::Kind::Bar;
        case ReportElement::Kind::Rectangle:
            return PageItem::Kind::Rectangle;
        case ReportElement::Kind::Circle:
            return PageItem::Kind::Circle;
        case ReportElement::Kind::HorizontalLine:
        case ReportElement::Kind::VerticalLine:
            break;
    }
    return PageItem::Kind::Line;
}

}  // namespace

ReportPage::ReportPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation)
    : paper_(paper), orientation_(orientation) {}

void ReportPage::addBand(const QString& name, BandKind kind, int height) {
    bands_.push_back({name, kind, height});
}

const ReportPage::Band* ReportPage::band(const QString& name) const {
    const auto found =
        std::find_if(bands_.begin(), bands_.end(), [&](const Band& b) { return b.name == name; });
    return found == bands_.end() ? nullptr : &*found;
}

void ReportPage::setBandHeight(const QString& name, int height) {
    for (Band& b : bands_) {
        if (b.name == name) {
            b.height = height;
        }
    }
}

QSize ReportPage::paperSize() const {
    const QSizeF millimetres = QPageSize(paper_).size(QPageSize::Millimeter);
    const QSize units(MillimetresToUnits(millimetres.width()),
                      MillimetresToUnits(millimetres.height()));
    return orientation_ == QPageLayout::Landscape ? units.transposed() : units;
}

int ReportPage::bandWidth() const {
    return paperSize().width() - MillimetresToUnits(margins_.left()) -
           MillimetresToUnits(margins_.right());
}

QPoint ReportPage::bandOrigin(const Band& wanted) const {
    const int left = MillimetresToUnits(margins_.left());
    if (wanted.kind == BandKind::PageFooter) {
        return QPoint(left,
                      paperSize().height() - MillimetresToUnits(margins_.bottom()) - wanted.height);
    }
    // The title band and the detail bands follow one another from the top margin.
    int top = MillimetresToUnits(margins_.top());
    for (const Band& b : bands_) {
        if (&b == &wanted || b.name == wanted.name) {
            break;
        }
        if (b.kind != BandKind::PageFooter) {
            top += b.height;
        }
    }
    return QPoint(left, top);
}

const ReportElement& ReportPage::add(const QString& band, ReportElement::Kind kind, PageItem item) {
    item.kind = pageKind(kind);
    const bool autoWidth = kind == ReportElement::Kind::Label && item.width == 0;
    if (kind == ReportElement::Kind::Label) {
        const QRect box = LabelMetrics::box(item);
        item.width = box.width();
        item.height = box.height();
    }
    elements_.push_back({band, kind, std::move(item), false, {}, autoWidth});
    return elements_.back();
}

const ReportElement& ReportPage::addText(const QString& band, int left, int top,
                                         const QString& text, const PageFont& font,
                                         const QColor& color) {
    PageItem item = PageItem::TextAt(QString(), left, top, text, font);
    item.textColor = color;
    return add(band, ReportElement::Kind::Label, std::move(item));
}

const ReportElement& ReportPage::addBar(const QString& band, int left, int top, int width,
                                        int height) {
    return add(band, ReportElement::Kind::Bar,
               PageItem::BarAt(QString(), left, top, width, height));
}

const ReportElement& ReportPage::addRule(const QString& band, int top, int penWidth,
                                         const QColor& color) {
    PageItem rule;
    rule.top = top;
    rule.width = bandWidth();
    rule.height = penWidth;
    rule.penWidth = penWidth;
    rule.penColor = color;
    return add(band, ReportElement::Kind::HorizontalLine, std::move(rule));
}

void ReportPage::placeOnBand(ReportElement& element) const {
    const int room = bandWidth() - element.item.width;
    element.item.left = element.bandAlignment == Qt::AlignRight ? room : room / 2;
}

const ReportElement& ReportPage::addBandAligned(const QString& band, PageItem item,
                                                Qt::Alignment alignment) {
    item.alignment = alignment | Qt::AlignTop;
    add(band, ReportElement::Kind::Label, std::move(item));
    ReportElement& added = elements_.back();
    added.bandAlignment = alignment;
    placeOnBand(added);
    return added;
}

bool ReportPage::setText(const QString& name, const QString& text) {
    ReportElement* found = element(name);
    if (!found || found->isShape()) {
        return false;
    }
    found->item.text = text;
    if (found->autoWidth && !found->dateTime) {
        found->item.width = LabelMetrics::fittedSize(found->item.font, text).width();
    }
    if (found->bandAlignment) {
        placeOnBand(*found);
    }
    return true;
}

const ReportElement& ReportPage::addDateTime(const QString& band, PageItem item) {
    // Every digit of the date and time is as wide as any other, so a sample measures the
    // printed text.
    item.width =
        LabelMetrics::fittedSize(
            item.font, item.text + DateTimeText(QDateTime(QDate(2000, 10, 10), QTime(10, 0, 0))))
            .width();
    addBandAligned(band, std::move(item), Qt::AlignRight);
    elements_.back().dateTime = true;
    elements_.back().autoWidth = true;
    return elements_.back();
}

ReportElement* ReportPage::element(const QString& name) {
    const auto found = std::find_if(elements_.begin(), elements_.end(),
                                    [&](const ReportElement& e) { return e.item.name == name; });
    return found == elements_.end() ? nullptr : &*found;
}

const ReportElement* ReportPage::element(const QString& name) const {
    const auto found = std::find_if(elements_.begin(), elements_.end(),
                                    [&](const ReportElement& e) { return e.item.name == name; });
    return found == elements_.end() ? nullptr : &*found;
}

void ReportPage::fill(Page& page, const QDateTime& now) const {
    Page::Batch batch(page);
    page.clear();
    for (const ReportElement& element : elements_) {
        const Band* owner = band(element.band);
        const QPoint origin = owner ? bandOrigin(*owner) : QPoint();
        PageItem item = element.isShape() && element.item.kind == PageItem::Kind::Line
                            ? drawnLine(element)
                            : element.item;
        item.name.clear();  // report elements need no name on paper
        item.left += origin.x();
        item.top += origin.y();
        if (element.dateTime) {
            item.text += DateTimeText(now);
        }
        // A word-wrapped label grows downwards on paper until every line of it shows: a
        // page label too long for its width keeps its page number.
        if (item.kind == PageItem::Kind::Label && item.wordWrap) {
            const QFontMetrics metrics(LabelMetrics::font(item.font));
            item.height = std::max(
                item.height,
                metrics
                    .boundingRect(QRect(0, 0, item.width, 100000),
                                  static_cast<int>(item.alignment) | Qt::TextWordWrap, item.text)
                    .height());
        }
        page.add(std::move(item));
    }
}

int ReportPage::MillimetresToUnits(double millimetres) {
    return Rounding::HalfEven(millimetres * 96.0 / 25.4);
}

QString ReportPage::DateTimeText(const QDateTime& now) {
    return now.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}
