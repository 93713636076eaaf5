#include "StaggeredLineChoice.h"

#include "SkeletonWriter.h"
#include "core/RankingLadder.h"
#include "core/StaircaseRecords.h"
#include "drawtable/ColumnOrder.h"
#include "drawtable/DrawLine.h"

#include <algorithm>
#include <array>

namespace {

// Offsets of the start line within the block, per pass; passes after the ninth keep the
// ninth pass's values.
constexpr std::array<int, 9> DownwardOffsets{0, 3, 5, 9, 17, 33, 65, 69, 137};
constexpr std::array<int, 9> UpwardOffsets{0, 0, 2, 6, 14, 30, 62, 126, 254};

}  // namespace

StaggeredLineChoice::StaggeredLineChoice(SkeletonWriter& writer, int qualifiersOut, int dimension,
                                         int tourCount, int seeds)
    : writer_(writer),
      qualifiersOut_(qualifiersOut),
      dimension_(dimension),
      tourCount_(tourCount),
      seeds_(seeds),
      powerOfTwo_(RankingLadder::Multiple2(qualifiersOut)) {}

void StaggeredLineChoice::startTour(int s, int round, bool balanced, int placed) {
    tour_ = s;
    round_ = round;
    balanced_ = balanced;
    if (powerOfTwo_) {
        // While seeds remain the position numbers go on from the previous tour.
        if (seeds_ < placed) {
            p_ = 0;
        }
        t_ = dimension_ >> (tourCount_ - s);
    } else {
        b_ *= 2;
        t_ = qualifiersOut_ * b_;
    }
}

std::optional<int> StaggeredLineChoice::chooseLine() {
    return powerOfTwo_ ? std::optional<int>(powerOfTwoLine()) : otherLine();
}

int StaggeredLineChoice::powerOfTwoLine() {
    const int block = qualifiersOut_ > 0 ? t_ / qualifiersOut_ : 0;
    if (block < 1) {
        return 0;
    }
    for (;;) {
        int h = ColumnOrder::CherchePositionTS(p_, t_);
        if (h == 0) {
            return firstFreeOfColumn();
        }
        bottom_ = h > t_ / 2;
        const int blockNumber = (h + block - 1) / block;
        const int first = (blockNumber - 1) * block + 1;
        const int last = blockNumber * block;
        bool failed = false;
        while (!writer_.isFree(h, round_)) {
            if (bottom_ ? h > first : h < last) {
                h += bottom_ ? -1 : 1;
            } else {
                ++p_;
                failed = true;
                break;
            }
        }
        // The test is made on the last line the walk reached, even after a failed walk.
        if (balanced_ && !writer_.isFree(h % 2 == 0 ? h - 1 : h + 1, round_)) {
            ++p_;
            failed = true;
        }
        if (!failed) {
            return h;
        }
    }
}

// The position number has run past the column (the numbering goes on across tours while
// seeds remain, and every failed attempt raises it): the column order has no line for it,
// so the entrant takes the first free line of the column from the top, and when the
// column is full the tour ends with its message.
int StaggeredLineChoice::firstFreeOfColumn() {
    const int h = writer_.CherchePlaceLibre(1, 1, round_);
    if (h < 1 || h > t_) {
        return 0;
    }
    bottom_ = h > t_ / 2;
    return h;
}

std::optional<int> StaggeredLineChoice::otherLine() {
    const std::size_t pass = static_cast<std::size_t>(std::min(m_, 9) - 1);
    int start = 0;
    if (d_ == -1) {
        start = b_ * (qualifiersOut_ - p_ + 1) - DownwardOffsets[pass];
    } else {
        start = (p_ - 1) * b_ + UpwardOffsets[pass] + 1;
    }
    int h = writer_.CherchePlaceLibre(start, d_, round_);
    if (tour_ == tourCount_ && h % 2 == 0) {
        d_ = 1;
        h = writer_.CherchePlaceLibre(1, 1, round_);
    }
    if (h > t_) {
        h = writer_.CherchePlaceLibre(1, 1, round_);
        if (h > t_) {
            writer_.report(SkeletonWriter::IncompleteMessage());
            return std::nullopt;
        }
    }
    if (p_ == qualifiersOut_) {
        d_ = -d_;
        p_ = 0;
        ++m_;
    }
    return h;
}

void StaggeredLineChoice::afterPlacement(int h, int placed) {
    if (!powerOfTwo_) {
        return;
    }
    release();
    if (r_ <= 0 || placed <= seeds_) {
        return;
    }
    const int j = bottom_ ? h / 2 - 1 : h / 2 + 2;
    const bool fits = bottom_ ? (j % 2 == 1 && j > 0) : (j % 2 == 0);
    if (!fits || !writer_.isFree(j, round_ + 1)) {
        return;
    }
    --r_;
    --p_;  // the next entrant starts from the same position again
    const int inner = bottom_ ? h - 1 : h + 1;
    if (writer_.isFree(inner, round_) &&
        writer_.MetDonneesBD(inner, 1, SkeletonWriter::Reservation, DrawLine::Entrant, round_)) {
        reserved_ = inner;
    }
}

void StaggeredLineChoice::endTour(const StaircaseStep& step) {
    r_ = std::max(0, step.Arriving - step.Positions / 2);
    if (powerOfTwo_) {
        release();
    }
}

void StaggeredLineChoice::release() {
    if (reserved_) {
        writer_.MetDonneesBD(*reserved_, 0, QString(), DrawLine::Empty, round_);
        reserved_.reset();
    }
}
