#pragma once

#include <QColor>

// The colours the reports name.
struct ReportColors {
    static QColor Black() { return QColor(0, 0, 0); }
    static QColor Red() { return QColor(255, 0, 0); }
    static QColor Blue() { return QColor(0, 0, 255); }
    static QColor Green() { return QColor(0, 128, 0); }  // half-intensity green
    static QColor Grey() { return QColor(128, 128, 128); }
    static QColor Silver() { return QColor(192, 192, 192); }
    static QColor White() { return QColor(255, 255, 255); }
};
