#pragma once

#include <QColor>

// The colours of the bracket view's page.
struct BracketColors {
    static inline const QColor Black = QColor(0, 0, 0);
    static inline const QColor Red = QColor(255, 0, 0);
    static inline const QColor Green = QColor(0, 128, 0);
    static inline const QColor Blue = QColor(0, 0, 255);
    static inline const QColor Navy = QColor(0, 0, 128);
    // The page's own colour: the qualifier marks mask the segment under them with it.
    static inline const QColor Page = QColor(255, 255, 255);
};
