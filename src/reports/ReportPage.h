#pragma once

#include "ReportElement.h"

#include <QDateTime>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <vector>

class Page;

// One report: a page of paper with its orientation and margins (millimetres), bands
// stacked as the report engine prints them (the title band at the top of the page, the
// page footer at its bottom) and the elements of the bands in the order the report
// creates them. Elements placed below their band's height still print on the page, at
// band top + element top: the draw report draws a whole bracket from its title band.
class ReportPage {
public:
    enum class BandKind { Title, Detail, PageFooter };
    struct Band {
        QString name;
        BandKind kind = BandKind::Title;
        int height = 0;
    };

    // The size of a label the report gives no size: the report's own font size.
    static constexpr int DefaultLabelSize = 10;

    ReportPage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation);

    QPageSize::PageSizeId paper() const { return paper_; }
    void setPaper(QPageSize::PageSizeId paper) { paper_ = paper; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    void setOrientation(QPageLayout::Orientation orientation) { orientation_ = orientation; }
    const QMarginsF& margins() const { return margins_; }
    void setMargins(const QMarginsF& margins) { margins_ = margins; }
    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    void addBand(const QString& name, BandKind kind, int height);
    const std::vector<Band>& bands() const { return bands_; }
    const Band* band(const QString& name) const;
    void setBandHeight(const QString& name, int height);

    // The paper in report units, as the orientation turns it.
    QSize paperSize() const;
    // The width of every band: the paper between the left and right margins.
    int bandWidth() const;
    // Where the band's top left corner stands on the paper, in report units.
    QPoint bandOrigin(const Band& band) const;

    // Adds an element; a label of width 0 takes the width of its text, one of height 0
    // the height of its font. Returns the element as added.
    const ReportElement& add(const QString& band, ReportElement::Kind kind, PageItem item);
    // A label sized by its text, and a filled bar.
    const ReportElement& addText(const QString& band, int left, int top, const QString& text,
                                 const PageFont& font, const QColor& color = QColor(0, 0, 0));
    const ReportElement& addBar(const QString& band, int left, int top, int width, int height);
    // A horizontal line across the band, as high as its pen.
    const ReportElement& addRule(const QString& band, int top, int penWidth, const QColor& color);
    // A label aligned to its band's right edge or centred on the band (alignment
    // Qt::AlignRight or Qt::AlignHCenter), its width measured from its text unless given.
    const ReportElement& addBandAligned(const QString& band, PageItem item,
                                        Qt::Alignment alignment);
    // A date-time element: the fixed part, then the date and time of printing, right
    // aligned to the band's edge. Its width is that of the printed text.
    const ReportElement& addDateTime(const QString& band, PageItem item);

    // A label's new text; a label sized by its text is measured again and a band-aligned
    // one placed again. False when there is no such element.
    bool setText(const QString& name, const QString& text);

    const std::vector<ReportElement>& elements() const { return elements_; }
    // The element of that name; none when there is none.
    ReportElement* element(const QString& name);
    const ReportElement* element(const QString& name) const;

    // The whole sheet as a page of the page model, at paper coordinates, the date-time
    // elements showing `now`.
    void fill(Page& page, const QDateTime& now) const;

    static int MillimetresToUnits(double millimetres);
    static QString DateTimeText(const QDateTime& now);

private:
    void placeOnBand(ReportElement& element) const;

    QPageSize::PageSizeId paper_;
    QPageLayout::Orientation orientation_;
    QMarginsF margins_;
    QString title_;
    std::vector<Band> bands_;
    std::vector<ReportElement> elements_;
};
