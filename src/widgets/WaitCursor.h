#pragma once

#include "core/BusyCursor.h"

// The wait cursor of the windows: the application's override cursor.
class WaitCursor : public BusyCursor {
public:
    void show() override;
    void restore() override;
};
