#include "LineAddressing.h"

LineAddressing::LineAddressing(int dimension) : dimension_(dimension) {
    for (int size = dimension; size > 0; size /= 2) {
        sizes_.push_back(size);
    }
}

int LineAddressing::RoundSize(int round) const {
    return round >= 1 && round <= RoundCount() ? sizes_[static_cast<std::size_t>(round - 1)] : 0;
}

int LineAddressing::LineNumber(int round, int index) const {
    int line = index;
    for (int earlier = 1; earlier < round; ++earlier) {
        line += RoundSize(earlier);
    }
    return line;
}

int LineAddressing::RoundOfLine(int line) const {
    if (line < 1) {
        return 0;
    }
    int last = 0;
    for (int round = 1; round <= RoundCount(); ++round) {
        last += RoundSize(round);
        if (line <= last) {
            return round;
        }
    }
    return 0;
}

int LineAddressing::IndexInRound(int line) const {
    const int round = RoundOfLine(line);
    return round == 0 ? 0 : line - LineNumber(round, 0);
}

LineAddressing::Feeders LineAddressing::FeederLines(int line) const {
    if (line <= dimension_) {
        return {};
    }
    const int pair = line - dimension_;
    return {2 * pair - 1, 2 * pair};
}

int LineAddressing::WinnerLine(int line) const {
    return dimension_ + (line + 1) / 2;
}
