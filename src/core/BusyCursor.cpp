#include "BusyCursor.h"

namespace {

class NoBusyCursor final : public BusyCursor {
public:
    void show() override {}
    void restore() override {}
};

}  // namespace

BusyCursor& BusyCursor::none() {
    static NoBusyCursor cursor;
    return cursor;
}
