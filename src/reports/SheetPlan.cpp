#include "SheetPlan.h"

#include "core/RankingLadder.h"
#include "drawtable/LineAddressing.h"

namespace {

constexpr int EndSheetLines = 32;

QString endCaption(int dimension) {
    return QStringLiteral("Fin du tableau de %1 entrées").arg(dimension);
}

// A draw whose dimension is not a power of two (a section draw, q × 2^j entries) cannot be
// cut in dimension / perSheet parts without losing lines: its rounds do not all divide.
// It is cut in the fewest parts that are a power of two and hold at most perSheet lines
// of round 1 each, and its end sheet starts at the first round of at most 32 lines or
// at the first round the parts would not share out evenly, whichever comes first, so
// that every line of every round is on some sheet, in order.
SheetPlan sectionPlan(int dimension, int perSheet) {
    const LineAddressing lines(dimension);
    int parts = 2;
    while (dimension / parts > perSheet && dimension % (parts * 2) == 0) {
        parts *= 2;
    }
    int endRound = 1;
    while (endRound < lines.RoundCount() && lines.RoundSize(endRound) > EndSheetLines &&
           lines.RoundSize(endRound) % parts == 0) {
        ++endRound;
    }
    if (dimension % parts != 0 || endRound < 2) {
        return {0, 1, 0, SheetPlan::CaptionKeyOf(dimension, perSheet)};
    }
    return {parts, parts + 1, endRound, 64 * parts};
}

}  // namespace

SheetPlan SheetPlan::Of(int dimension, int perSheet) {
    if (dimension < 64 || dimension <= perSheet || perSheet <= 0) {
        return {0, 1, 0, CaptionKeyOf(dimension, perSheet)};
    }
    if (!RankingLadder::Multiple2(dimension)) {
        return sectionPlan(dimension, perSheet);
    }
    const int parts = dimension / perSheet;
    int log2 = 0;
    while ((1 << (log2 + 1)) <= dimension) {
        ++log2;
    }
    // The end sheet starts at the round of 32 lines.
    return {parts, parts + 1, log2 - 4, CaptionKeyOf(dimension, perSheet)};
}

int SheetPlan::CaptionKeyOf(int dimension, int perSheet) {
    return perSheet > 0 ? dimension * 64 / perSheet : 0;
}

QString SheetPlan::Caption(int key, int partNumber, int dimension) {
    switch (key) {
        case 64:
        case 128:
            switch (partNumber) {
                case 1:
                    return QStringLiteral("1/2 tableau supérieur");
                case 2:
                    return QStringLiteral("1/2 tableau inférieur");
                case 3:
                    return endCaption(dimension);
                default:
                    return QString();
            }
        case 256: {
            static const char* const quarters[] = {
                "1°quart haut du tableau", "2°quart haut du tableau", "1°quart bas du tableau",
                "2°quart bas du tableau"};
            if (partNumber >= 1 && partNumber <= 4) {
                return QString::fromUtf8(quarters[partNumber - 1]);
            }
            return partNumber == 5 ? endCaption(dimension) : QString();
        }
        case 512:
        case 1024:
        case 2048: {
            const int parts = key / 64;
            if (partNumber == parts + 1) {
                return endCaption(dimension);
            }
            if (partNumber < 1 || partNumber > parts) {
                return QString();
            }
            const QString number = QString::number(partNumber);
            if (key == 512) {
                return number + QStringLiteral("°huitième du tableau (9)");
            }
            if (key == 1024) {
                return number + QStringLiteral("°seizième du tableau (17)");
            }
            return number + QStringLiteral("° 32ème du tableau (33)");
        }
        default:
            return QString();
    }
}
