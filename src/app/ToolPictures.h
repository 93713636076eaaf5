#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>

class QPainter;

// The pictures of the main window, drawn rather than shipped: the tool bar's open, save,
// save-as and quit pictures, and the program's logo, a tennis ball.
class ToolPictures {
public:
    static QIcon Open();
    static QIcon Save();
    static QIcon SaveAs();
    static QIcon Quit();
    static QPixmap Logo(int size);

    // A picture drawn on a 16 × 16 grid, at the sizes tool bars ask for.
    static QIcon Drawn(const std::function<void(QPainter&)>& draw);
};
