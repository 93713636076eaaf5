#pragma once

#include <QIcon>

// The pictures of the bracket view's tool bar, drawn rather than shipped.
class BracketPictures {
public:
    static QIcon ZoomIn();
    static QIcon ZoomOut();
    static QIcon Properties();
    static QIcon ClearPlayers();
    static QIcon Redisplay();
    static QIcon Rules();
    static QIcon Undo();
    static QIcon Redo();
};
