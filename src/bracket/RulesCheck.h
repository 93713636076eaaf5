#pragma once

#include "RuleFindings.h"

#include "drawtable/LineAddressing.h"
#include "drawtable/RankingOrderList.h"

#include <QString>

class DrawSnapshot;
struct BracketLine;

// The federation's rules and recommendations checked on a draw: rankings entering over
// at most two rounds and never behind a better one, seeds over at most three rounds and
// in ranking order, incoming qualifiers over at most two rounds and not meeting in their
// first match, outgoing qualifiers all in one round; and the recommendations that
// qualifiers meet the weakest direct entrants (Rec1), that the matches feeding one match
// bring equal rankings (Rec2) and that nobody meets his own ranking right after his first
// match (Rec3). Entrants are compared by their Nom, a ranking text in a skeleton.
class RulesCheck {
public:
    RulesCheck(const DrawSnapshot& draw, const RankingOrderList& order, int dimension,
               int qualifiersOut);

    // The findings of the draw: the rule records left once the seed order and the
    // tolerances have removed those that break nothing, and the recommendations.
    RuleFindings Run() const;

    // Whether the incoming qualifier on the line meets another one in its first match, in
    // a draw where that breaks the rule: a final draw whose players all enter within two
    // rounds may pair its qualifiers.
    bool PairMeets(int line) const;

    // The key of a text: its first four characters, as the host's table keeps a text
    // (without trailing spaces).
    static QString KeyOf(const QString& text);
    // One seed's key: "TS" and the seed number, cut to four characters.
    static QString SeedKey(int number);
    // A meeting qualifier's key: "q" and the last two digits of its number.
    static QString PairKey(int number);
    static QString PairName() { return QStringLiteral("QE-2TOUR"); }
    static inline const QString Seeds = QStringLiteral("TS");
    static inline const QString QualifiersIn = QStringLiteral("QE");
    static inline const QString QualifiersOut = QStringLiteral("QS");

    // The banner's hint: what the rule records say is broken, or that every rule is kept.
    static QString BannerHint(const RuleFindings& findings);

private:
    struct Best {
        QString text;
        int line = 0;
    };

    void note(RuleFindings& findings, const QString& text, int round,
              const BracketLine& line) const;
    void noteSeed(RuleFindings& findings, const BracketLine& line, int round) const;
    void notePair(RuleFindings& findings, const BracketLine& line) const;
    void recommendEqualFeeders(RuleFindings& findings, int line) const;
    Best bestFeeder(int line) const;
    void recommendFirstOpponents(RuleFindings& findings) const;
    static void keepSeedOrder(RuleFindings& findings);
    static void dropTolerated(RuleFindings& findings);
    static int Partner(int line) { return line % 2 == 1 ? line + 1 : line - 1; }

    const DrawSnapshot& draw_;
    const RankingOrderList& order_;
    LineAddressing addressing_;
    int qualifiersOut_;
    bool narrow_ = true;  // every entrant enters within two rounds
};
