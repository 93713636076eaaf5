#pragma once

#include <QIcon>

// The pictures of the staircase view's speed buttons, drawn rather than shipped.
class StaircasePictures {
public:
    static QIcon Previous();
    static QIcon Next();
    static QIcon Skeleton();
};
