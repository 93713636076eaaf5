#include "ColumnOrder.h"

namespace {

// Where a position lies when the column is cut into blocks: the block, and whether
// the position is its last line (bottom) or its first (top).
struct Place {
    int block;
    bool bottom;
};

// With 2 blocks, position 1 is the bottom of block 2 and position 2 the top of block 1.
// Halving the blocks sends the bottom of block r to the bottom of block 2r and the top
// of block r to the top of block 2r - 1; a new position q takes the same end of the
// other block of the pair that holds position 2g + 1 - q.
Place placeOf(int p, int blocks) {
    if (blocks == 2) {
        return p == 1 ? Place{2, true} : Place{1, false};
    }
    const int half = blocks / 2;
    if (p <= half) {
        const Place coarse = placeOf(p, half);
        return {coarse.bottom ? 2 * coarse.block : 2 * coarse.block - 1, coarse.bottom};
    }
    const Place mirror = placeOf(blocks + 1 - p, blocks);
    return {mirror.block % 2 == 1 ? mirror.block + 1 : mirror.block - 1, mirror.bottom};
}

}  // namespace

int ColumnOrder::CherchePositionTS(int p, int t) {
    if (p < 1 || p > t) {
        return 0;
    }
    if (t == 1) {
        return 1;
    }
    int blocks = 2;
    while (blocks < p) {
        blocks *= 2;
    }
    if (blocks > t) {
        return 0;
    }
    const int size = t / blocks;
    const Place place = placeOf(p, blocks);
    return place.bottom ? place.block * size : (place.block - 1) * size + 1;
}
