#pragma once

#include <QPageLayout>
#include <QPageSize>

// The paper and orientation of the printer a report is made for.
struct ReportPaper {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    bool isA3() const { return size == QPageSize::A3; }
    bool landscape() const { return orientation == QPageLayout::Landscape; }
    bool operator==(const ReportPaper&) const = default;
};
