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
    // The normal colour a rules check gives back to the items it resets: the page's, so
    // that a reset leaves no trace on screen.
    static inline const QColor Normal = Page;
    static inline const QColor LightRed = QColor(255, 128, 192);
    static inline const QColor Yellow = QColor(255, 255, 0);
};
