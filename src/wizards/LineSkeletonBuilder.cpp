#include "LineSkeletonBuilder.h"

#include "core/BusyCursor.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/RankingOrderList.h"
#include "drawtable/RecordTable.h"

namespace {

constexpr int NoSeed = 2048;  // a placement number above every seed number
bool isQualifier(const QString& name) {
    return name.toLower() == LineRoster::Qualifier;
}

}  // namespace

LineSkeletonBuilder::LineSkeletonBuilder(RecordTable& draw, const LineStartFigures& figures,
                                         const StaircaseState& state, const TableLocations& places,
                                         const QString& rankingOrderPath, Prompter& prompter,
                                         BusyCursor& cursor)
    : draw_(draw),
      figures_(figures),
      state_(state),
      places_(places),
      rankingOrderPath_(rankingOrderPath),
      prompter_(prompter),
      cursor_(cursor),
      slots_(figures.LineDimension, figures.PowerDimension,
             figures.LineQualifiersOut > 0 ? figures.LineQualifiersOut : 1) {}

LineSkeletonBuilder::Result LineSkeletonBuilder::BuildLineSkeleton() {
    BusyCursorScope busy(cursor_);
    // A list that cannot be used is told, and the skeleton is built without it, as
    // without a file.
    QString problem;
    std::optional<RankingOrderList> order = RankingOrderList::Load(rankingOrderPath_, &problem);
    if (!order) {
        busy.pause();
        prompter_.warning(problem);
        busy.resume();
        order.emplace();
    }
    // The whole construction is one batch: if the roster or a line cannot be written,
    // the table keeps what it held before.
    RecordTable::Batch batch(draw_);
    const Result result = construct(busy, *order);
    busy.pause();
    if (result == Result::Failed) {
        batch.abandon();
        return result;
    }
    if (!batch.commit()) {
        prompter_.warning(draw_.errorText());
        return Result::Failed;
    }
    if (result == Result::Built && unplaced_ > 0) {
        prompter_.warning(IncompleteMessage(unplaced_));
    }
    return result;
}

LineSkeletonBuilder::Result LineSkeletonBuilder::construct(BusyCursorScope& busy,
                                                           const RankingOrderList& order) {
    if (!clearPlacedPlayers(busy)) {
        return Result::Declined;
    }
    if (figures_.PowerDimension > 1024) {
        busy.pause();
        prompter_.message(TooLargeMessage());
        return Result::Declined;
    }
    busy.pause();
    prompter_.message(WarningMessage());
    busy.resume();

    const int players = figures_.players();
    const int qualifiers = figures_.LineQualifiersIn;
    const int dimension = figures_.LineDimension;
    // The byes: for a section draw too, D is the power of two reached from the outgoing
    // qualifiers, so D - N is the count the figures already show.
    const int byes = figures_.Byes;
    const int firstRoundMatches = (players - byes) / 2;
    int secondRoundMatches = std::max(byes - dimension / 4, 0);
    if (qualifiers > 0 && qualifiers - firstRoundMatches > secondRoundMatches) {
        secondRoundMatches = qualifiers - firstRoundMatches;
    }
    if (!roster_.Fill(state_, order, places_.DataLocation)) {
        busy.pause();
        prompter_.warning(roster_.errorText());
        return Result::Failed;
    }
    const QList<Pair> firstRound = roster_.TakePairs(firstRoundMatches, qualifiers);
    const QList<Pair> secondRound =
        roster_.TakePairs(secondRoundMatches, qualifiers - firstRoundMatches);
    k_ = 0;
    unplaced_ = 0;
    placeByes(byes - 2 * secondRoundMatches);
    placeRoundTwo(secondRound);
    placeRoundOne(firstRound);
    finalPass();
    return Result::Built;
}

// The ranking order list is read first, and a table that already holds players is
// cleared only when the user agrees.
bool LineSkeletonBuilder::clearPlacedPlayers(BusyCursorScope& busy) {
    bool placed = false;
    for (draw_.First(); !draw_.Eof() && !placed; draw_.Next()) {
        placed = !draw_.text(DrawLine::Nom).isEmpty();
    }
    if (!placed) {
        return true;
    }
    busy.pause();
    if (!prompter_.ask(Prompter::Kind::Warning, RedoQuestion())) {
        return false;
    }
    busy.resume();
    for (draw_.First(); !draw_.Eof(); draw_.Next()) {
        draw_.clear(DrawLine::Nom);
        draw_.setInteger(DrawLine::Position, DrawLine::Empty);
        draw_.clear(DrawLine::Numero);
        draw_.Post();
    }
    return true;
}

// The strongest players enter alone in round 2, from the roster's last record backwards.
void LineSkeletonBuilder::placeByes(int byes) {
    for (int bye = 0; bye < byes; ++bye) {
        ++k_;
        writeLine(roster_.FromLast(bye), slots_.PositionOf(k_, 2), k_);
    }
}

// Seeds take the pairs from the last one down (a seed plays A's part unless B is a
// qualifier), the others from the first one up.
void LineSkeletonBuilder::placeRoundTwo(const QList<Pair>& pairs) {
    const int seeds = figures_.LineSeeds;
    int j = k_ < seeds ? static_cast<int>(pairs.size()) : -1;
    for (qsizetype made = 0; made < pairs.size(); ++made) {
        ++k_;
        const int v = slots_.PositionOf(k_, 2);
        j += k_ <= seeds ? -1 : 1;
        const bool last = k_ == seeds;
        if (j >= 0 && j < pairs.size()) {
            placePair(pairs[j], v, 2, k_ <= seeds && !isQualifier(pairs[j].b));
        }
        if (k_ == seeds || last) {
            j = -1;
        }
    }
}

void LineSkeletonBuilder::placeRoundOne(const QList<Pair>& pairs) {
    const int seeds = figures_.LineSeeds;
    if (k_ > seeds) {
        k_ = figures_.LineDimension / 2 - static_cast<int>(pairs.size());
    }
    int j = k_ < seeds ? static_cast<int>(pairs.size()) : -1;
    QList<bool> used(pairs.size(), false);
    for (qsizetype made = 0; made < pairs.size(); ++made) {
        ++k_;
        int v = slots_.PositionOf(k_, 1);
        // A slot whose own line is already taken (by the partner of an earlier pair, once
        // skipped slots have pushed k past half the round) is passed over too.
        while (v != 0 && (LineTaken(v) || !lineFree(v))) {
            ++k_;
            v = slots_.PositionOf(k_, 1);
        }
        if (v == 0) {
            break;  // no free slot is left in round 1
        }
        j += k_ > seeds ? 1 : -1;
        const bool last = k_ == seeds;
        if (j >= 0 && j < pairs.size()) {
            placePair(pairs[j], v, 1, false);
            used[j] = true;
        }
        if (k_ == seeds || last) {
            j = -1;
        }
    }
    for (qsizetype at = 0; at < pairs.size(); ++at) {
        if (!used[at]) {
            unplaced_ += (pairs[at].a.isEmpty() ? 0 : 1) + (pairs[at].b.isEmpty() ? 0 : 1);
        }
    }
}

// The first player on slot v, the second on the line that plays it; when that line is
// the next slot, the second player takes the next placement number too.
void LineSkeletonBuilder::placePair(const Pair& pair, int v, int round, bool swap) {
    writeLine(swap ? pair.b : pair.a, v, k_);
    const int w = slots_.PartnerLine(v, round);
    const int first = k_;
    if (v != 0 && slots_.PositionOf(k_ + 1, round) == w) {
        ++k_;
    }
    writeLine(swap ? pair.a : pair.b, v != 0 ? w : 0, k_ > first ? k_ : NoSeed);
}

// An NC player is never a seed; he keeps his number.
void LineSkeletonBuilder::finalPass() {
    for (draw_.First(); !draw_.Eof(); draw_.Next()) {
        draw_.clear(DrawLine::Classement);
        if (draw_.text(DrawLine::Nom).contains(QStringLiteral("NC")) &&
            draw_.integer(DrawLine::Position) == DrawLine::Seed) {
            draw_.setInteger(DrawLine::Position, DrawLine::Entrant);
        }
        draw_.Post();
    }
    draw_.First();
}

bool LineSkeletonBuilder::writeLine(const QString& name, int line, int number) {
    if (WritePlayer(name, line, number)) {
        return true;
    }
    unplaced_ += name.isEmpty() ? 0 : 1;
    return false;
}

bool LineSkeletonBuilder::WritePlayer(const QString& name, int line, int number) {
    if (name.isEmpty() || line < 1 || line > draw_.RecordCount()) {
        return false;
    }
    draw_.SetRecNo(line);
    if (!lineFree(line)) {
        return false;
    }
    if (isQualifier(name)) {
        draw_.clear(DrawLine::Nom);
        draw_.setInteger(DrawLine::Position, DrawLine::IncomingQualifier);
        draw_.clear(DrawLine::Numero);
    } else if (number <= figures_.LineSeeds) {
        draw_.setText(DrawLine::Nom, name);
        draw_.setInteger(DrawLine::Position, DrawLine::Seed);
        draw_.setInteger(DrawLine::Numero, number);
    } else {
        draw_.setText(DrawLine::Nom, name);
        draw_.setInteger(DrawLine::Position, DrawLine::Entrant);
        draw_.clear(DrawLine::Numero);
    }
    draw_.clear(DrawLine::Prenom);
    return draw_.Post();
}

bool LineSkeletonBuilder::lineFree(int line) {
    const int here = draw_.RecNo();
    const bool free = draw_.FindKey({line}) && draw_.integer(DrawLine::Position) == 0 &&
                      draw_.text(DrawLine::Nom).isEmpty();
    draw_.SetRecNo(here);
    return free;
}

bool LineSkeletonBuilder::LineTaken(int v) {
    const int here = draw_.RecNo();
    const int fed = figures_.LineDimension + (v + 1) / 2;
    const bool taken = draw_.FindKey({fed}) && draw_.integer(DrawLine::Position) > 0;
    draw_.SetRecNo(here);
    return taken;
}

QString LineSkeletonBuilder::RedoQuestion() {
    return QStringLiteral(
        "La mise en place des joueurs est déjà effectuées, voulez-vous la refaire ?");
}

QString LineSkeletonBuilder::TooLargeMessage() {
    return QStringLiteral("Gestion de tableaux maximums à ") + QString::number(1024) +
           QStringLiteral(" entrées pour l'Orvanel");
}

QString LineSkeletonBuilder::WarningMessage() {
    return QStringLiteral(
        "AVERTISSEMENT:\nVous allez utiliser un assistant de recherche de solutions, c'est un "
        "outil\nd'aide, il ne remplace pas le travail du Juge Arbitre, le choix de la "
        "solution\nreste de l'entière responsabilité du Juge Arbitre et des retouches, "
        "ajustements\nseront nécessaires, des règles décisionnelles ont été implantées mais ne "
        "couvrent\npas tous les cas de figure pouvant être rencontrés.");
}

QString LineSkeletonBuilder::IncompleteMessage(int players) {
    return QStringLiteral(
               "Squelette incomplet : %1 joueur(s) ou qualifié(s) sans place libre dans le "
               "tableau.")
        .arg(players);
}
