#include "LineDrawAcceptance.h"

#include "core/Prompter.h"
#include "core/RankingLadder.h"
#include "drawtable/DrawLines.h"
#include "drawtable/HostTransfer.h"
#include "drawtable/RecordTable.h"

bool LineDrawAcceptance::AcceptLineDraw(const LineStartFigures& figures,
                                        const TableLocations& places, Prompter& prompter) {
    if (figures.PowerDimension > HostTransfer::MaxDimension) {
        prompter.message(HostTransfer::TooLargeMessage());
        return false;
    }
    if (!prompter.ask(Prompter::Kind::Information, Question())) {
        return false;
    }
    const int dimension = figures.LineDimension;
    const int power = RankingLadder::NextPowerOfTwo(1, dimension);
    return HostTransfer::Run(places, TableNames::LineDraw, 2 * power - 1, prompter,
                             [&](RecordTable& working, RecordTable& host) {
                                 return dimension == power
                                            ? HostTransfer::CopyInOrder(working, host)
                                            : copyByRounds(working, host, dimension, power);
                             });
}

// The copy also stops when the host table is past its last line: the rounds of a
// section draw can hold fewer lines than its table, and the lines beyond its last round
// have no place in the host draw.
bool LineDrawAcceptance::copyByRounds(RecordTable& working, RecordTable& host, int dimension,
                                      int power) {
    int lines = dimension;
    int hostLines = power;
    int at = 0;
    for (; !working.Eof() && !host.Eof(); host.Next()) {
        ++at;
        if (at <= lines) {
            if (!DrawLines::CopyLineToHost(working, host)) {
                return false;
            }
            working.Next();
        }
        if (at == hostLines) {
            lines = HalfToEven(lines);
            hostLines /= 2;
            at = 0;
        }
    }
    return true;
}

int LineDrawAcceptance::HalfToEven(int lines) {
    const int half = lines / 2;
    return lines % 2 == 0 ? half : half + half % 2;
}

QString LineDrawAcceptance::Question() {
    return QStringLiteral("Mettre en place ce tableau ?");
}
