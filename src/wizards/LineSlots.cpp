#include "LineSlots.h"

#include "core/RankingLadder.h"
#include "drawtable/ColumnOrder.h"

LineSlots::LineSlots(int dimension, int powerDimension, int qualifiersOut)
    : dimension_(dimension),
      powerDimension_(powerDimension),
      qualifiersOut_(qualifiersOut),
      section_(!RankingLadder::Multiple2(qualifiersOut)),
      qualifierRound_(QualifierRound(qualifiersOut, powerDimension)) {}

int LineSlots::QualifierRound(int qualifiersOut, int powerDimension) {
    int size = powerDimension;
    int round = 1;
    while (qualifiersOut < size) {
        size /= 2;
        if (size >= qualifiersOut) {
            ++round;
        }
    }
    return round;
}

int LineSlots::PositionOf(int k, int round) const {
    if (round != 1 && round != 2) {
        return 0;
    }
    int index = 0;
    if (section_) {
        index = sectionIndex(k, round);
    } else {
        const int column = round == 1 ? powerDimension_ : powerDimension_ / 2;
        index = ColumnOrder::CherchePositionTS(k, column);
    }
    // Slots past the round (the section formula gives them for large k) are none.
    return index >= 1 && index <= roundSize(round) ? roundStart(round) + index : 0;
}

// The k-th slot of a section draw: each run of 2 x Qs slots takes the ends of the
// sections, alternately from the last section down and from the first one up, and every
// further run goes one step further into the sections.
int LineSlots::sectionIndex(int k, int round) const {
    const int q = qualifiersOut_;
    int a = k;
    int i = 0;
    while (a > 2 * q) {
        ++i;
        a -= 2 * q;
    }
    const int t = qualifierRound_ - 1 - round - i;
    // Doubling only grows the index, and the one subtraction takes off less than 2i:
    // past this bound the slot is out of the round whatever follows.
    const long long bound = roundSize(round) + 2LL * i;
    long long x = 0;
    const auto grow = [&](int times, bool odd) {
        for (int step = 0; step < times && x <= bound; ++step) {
            x = odd ? 2 * x - 1 : 2 * x;
        }
    };
    if (a <= q) {
        x = 2LL * (q - a + 1);
        grow(i, false);
        if (i > 0) {
            x -= 2 * i - 1;
        }
        grow(t, false);
    } else {
        x = 2LL * (a - q) - 1;
        grow(i, true);
        if (i > 0) {
            x += 2 * i - 1;
        }
        grow(t, true);
    }
    return x > roundSize(round) ? 0 : static_cast<int>(x);
}

// Lines 2m - 1 and 2m of a round meet, in a section draw as in any other.
int LineSlots::PartnerLine(int v, int round) const {
    const int index = v - roundStart(round);
    return index % 2 == 1 ? v + 1 : v - 1;
}
