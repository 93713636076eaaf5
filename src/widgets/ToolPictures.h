#pragma once

#include <QIcon>
#include <QPen>
#include <QPixmap>

#include <functional>

class QPainter;

// The pictures the windows share, drawn rather than shipped: the tool bars' open, save,
// save-as, quit, print, accept and help pictures, and the program's logo, a tennis ball.
class ToolPictures {
public:
    static QIcon Open();
    static QIcon Save();
    static QIcon SaveAs();
    static QIcon Quit();
    static QIcon Print();
    static QIcon Accept();
    static QIcon Help();
    static QPixmap Logo(int size);

    // A picture drawn on a 16 × 16 grid, at the sizes tool bars ask for.
    static QIcon Drawn(const std::function<void(QPainter&)>& draw);
    // The pen of the pictures: rounded ends and corners keep thin strokes smooth.
    static QPen Pen(const QColor& color, qreal width = 0.8);
};
