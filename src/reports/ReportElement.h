#pragma once

#include "page/PageItem.h"

#include <QString>
#include <Qt>

// One element of a report band: a label or a shape, positioned in report units (1/96
// inch) from the band's top left corner. Lines keep the box the report gives them and are
// drawn across its middle: a horizontal line across the middle of its height, a vertical
// one across the middle of its width.
struct ReportElement {
    enum class Kind { Label, Bar, HorizontalLine, VerticalLine, Rectangle, Circle };

    QString band;
    Kind kind = Kind::Label;
    PageItem item;
    // A date-time element: item.text is its fixed part, the date and time follow it when
    // the report is printed.
    bool dateTime = false;
    // A label aligned to its band's right edge or centred on it (Qt::AlignRight,
    // Qt::AlignHCenter); none for a label placed by its left edge.
    Qt::Alignment bandAlignment;
    bool autoWidth = false;  // its width is measured from its text

    bool isShape() const { return kind != Kind::Label; }
};
