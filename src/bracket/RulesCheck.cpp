#include "RulesCheck.h"

#include "BracketLine.h"
#include "DrawSnapshot.h"

#include "core/TextFormat.h"
#include "drawtable/DrawLine.h"

#include <algorithm>
#include <climits>
#include <set>
#include <utility>

namespace {

bool isOutgoingCode(int position) {
    return position == DrawLine::OutgoingQualifier || position == 7;
}

// A line that a winner fills: empty, or written by the host.
bool isWinnerCode(int position) {
    return position == DrawLine::Empty || position >= 4;
}

QString orderText(int order) {
    return TextFormat::format(QStringLiteral("%.3d"), order);
}

}  // namespace

RulesCheck::RulesCheck(const DrawSnapshot& draw, const RankingOrderList& order, int dimension,
                       int qualifiersOut)
    : draw_(draw), order_(order), addressing_(dimension), qualifiersOut_(qualifiersOut) {
    int smallest = INT_MAX;
    int largest = 0;
    for (const BracketLine& line : draw_.lines()) {
        const int round = addressing_.RoundOfLine(line.FicheNumero);
        if (line.isEntrantCode() && round > 0) {
            smallest = std::min(smallest, round);
            largest = std::max(largest, round);
        }
    }
    narrow_ = largest == 0 || largest - smallest < 2;
}

QString RulesCheck::KeyOf(const QString& text) {
    QString key = text.left(4);
    while (key.endsWith(QLatin1Char(' '))) {
        key.chop(1);
    }
    return key;
}

QString RulesCheck::SeedKey(int number) {
    return (Seeds + QString::number(number)).left(4);
}

QString RulesCheck::PairKey(int number) {
    return QStringLiteral("q") + QString::number(number + 1000).right(2);
}

RuleFindings RulesCheck::Run() const {
    RuleFindings findings;
    for (int round = 1; round <= addressing_.RoundCount(); ++round) {
        for (int index = 1; index <= addressing_.RoundSize(round); ++index) {
            const BracketLine* line = draw_.line(addressing_.LineNumber(round, index));
            if (line == nullptr) {
                continue;
            }
            const int position = line->Position;
            if (position == DrawLine::Entrant || position == DrawLine::Seed) {
                // An entrant without a name has no ranking to keep apart: it gets no key
                // of its own, which every nameless line would otherwise look up. A
                // nameless seed still counts among the seeds.
                if (!line->Nom.isEmpty()) {
                    note(findings, line->Nom, round, *line);
                }
                if (position == DrawLine::Seed) {
                    noteSeed(findings, *line, round);
                    note(findings, Seeds, round, *line);
                }
            }
            if (position == DrawLine::IncomingQualifier) {
                note(findings, QualifiersIn, round, *line);
                notePair(findings, *line);
            }
            if (isOutgoingCode(position)) {
                note(findings, QualifiersOut, round, *line);
            }
            if (round > 1) {
                recommendEqualFeeders(findings, line->FicheNumero);
            }
        }
    }
    keepSeedOrder(findings);
    dropTolerated(findings);
    recommendFirstOpponents(findings);
    return findings;
}

// A ranking is flagged when a better ranking already entered at an earlier round.
void RulesCheck::note(RuleFindings& findings, const QString& text, int round,
                      const BracketLine& line) const {
    const QString key = KeyOf(text);
    const int order = order_.order(text);
    bool flag = false;
    if (order >= 0) {
        const QList<const RuleFinding*> all = findings.rules();
        flag = std::any_of(all.begin(), all.end(), [&](const RuleFinding* other) {
            return other->NumClass >= 0 && other->NumClass > order && other->NumTourDeb < round;
        });
    }
    if (RuleFinding* found = findings.find(key)) {
        ++found->NBTrouve;
        found->NumTourFin = round;
        found->J1ClassJ2 = flag;
        return;
    }
    findings.append({key, 1, round, round, order, flag, line.Nom, line.Prenom});
}

void RulesCheck::noteSeed(RuleFindings& findings, const BracketLine& line, int round) const {
    const QString key = SeedKey(line.Numero);
    if (RuleFinding* found = findings.find(key)) {
        ++found->NBTrouve;
        found->NumTourFin = round;
        return;
    }
    findings.append({key, 1, round, round, order_.order(line.Nom), true, line.Nom, line.Prenom});
}

bool RulesCheck::PairMeets(int line) const {
    const LineAddressing::Feeders feeders = addressing_.FeederLines(addressing_.WinnerLine(line));
    if (feeders.first == 0 || draw_.position(feeders.first) != DrawLine::IncomingQualifier ||
        draw_.position(feeders.second) != DrawLine::IncomingQualifier) {
        return false;
    }
    return !(qualifiersOut_ == 0 && narrow_);
}

void RulesCheck::notePair(RuleFindings& findings, const BracketLine& line) const {
    if (!PairMeets(line.FicheNumero)) {
        return;
    }
    const int winner = addressing_.WinnerLine(line.FicheNumero);
    const LineAddressing::Feeders feeders = addressing_.FeederLines(winner);
    const int own = line.Numero;
    const int e = draw_.line(feeders.first)->Numero;
    const int f = draw_.line(feeders.second)->Numero;
    const QString key = PairKey(own);
    if (findings.find(key) == nullptr) {
        const int other = e == own ? f : (f == own ? e : winner);
        findings.append({key, 1, own, other, -1, true, PairName(), PairName()});
    }
}

// The better of the entrants among the line's two feeders, the odd feeder first.
RulesCheck::Best RulesCheck::bestFeeder(int line) const {
    const LineAddressing::Feeders feeders = addressing_.FeederLines(line);
    Best best;
    int bestOrder = 0;
    bool found = false;
    for (const int feeder : {feeders.first, feeders.second}) {
        if (feeder == 0 || !draw_.isEntrant(feeder)) {
            continue;
        }
        const QString& name = draw_.line(feeder)->Nom;
        const int order = order_.order(name);
        if (!found || order > bestOrder) {
            best = {name, feeder};
            bestOrder = order;
            found = true;
        }
    }
    return best;
}

void RulesCheck::recommendEqualFeeders(RuleFindings& findings, int line) const {
    const int partner = Partner(line);
    if (!isWinnerCode(draw_.position(line)) || draw_.line(partner) == nullptr ||
        draw_.position(partner) != DrawLine::Empty) {
        return;
    }
    const Best here = bestFeeder(line);
    const Best there = bestFeeder(partner);
    if (!here.text.isEmpty() && !there.text.isEmpty() && here.text != there.text) {
        findings.recommend(here.line, QStringLiteral("Rec2"));
        findings.recommend(there.line, QStringLiteral("Rec2"));
    }
}

// Rec3: an entrant whose partner is a winner's line should not meet, there, a player of
// his own ranking. Rec1: a qualifier's first opponent should be among the weakest direct
// entrants, as many as there are qualifiers facing an entrant.
void RulesCheck::recommendFirstOpponents(RuleFindings& findings) const {
    QStringList orders;
    QList<int> met;
    QList<int> lines;
    const std::vector<BracketLine>& all = draw_.lines();
    for (auto at = all.rbegin(); at != all.rend(); ++at) {
        const int number = at->FicheNumero;
        const int partner = Partner(number);
        const BracketLine* partnerLine = draw_.line(partner);
        if (draw_.isEntrant(number)) {
            orders.append(orderText(order_.order(at->Nom)));
            if (partnerLine != nullptr && isWinnerCode(partnerLine->Position) &&
                addressing_.RoundOfLine(partner) > 1) {
                const LineAddressing::Feeders feeders = addressing_.FeederLines(partner);
                const int opponent = draw_.isEntrant(feeders.first)
                                         ? feeders.first
                                         : (draw_.isEntrant(feeders.second) ? feeders.second : 0);
                if (opponent != 0 && draw_.line(opponent)->Nom == at->Nom) {
                    findings.recommend(number, QStringLiteral("Rec3"));
                    findings.recommend(opponent, QStringLiteral("Rec3"));
                }
            }
        }
        if (at->Position == DrawLine::IncomingQualifier && draw_.isEntrant(partner)) {
            met.append(order_.order(partnerLine->Nom));
            lines.append(number);
        }
    }
    orders.sort();
    for (qsizetype i = 0; i < met.size(); ++i) {
        if (orders.indexOf(orderText(met[i])) >= met.size()) {
            findings.recommend(lines[i], QStringLiteral("Rec1"));
        }
    }
}

// The seeds in number order, stopping at the first number missing: a seed's record
// stays only when its ranking is better than the one of the seed before it. The record
// of a seed without a number ("TS0") is no seed of the order and goes.
void RulesCheck::keepSeedOrder(RuleFindings& findings) {
    findings.remove(SeedKey(0));
    int previous = 999;
    for (int number = 1; number <= SHRT_MAX; ++number) {
        const QString key = SeedKey(number);
        const RuleFinding* found = findings.find(key);
        if (found == nullptr) {
            break;
        }
        const int order = found->NumClass;
        if (order <= previous) {
            findings.remove(key);
        }
        previous = order;
    }
}

void RulesCheck::dropTolerated(RuleFindings& findings) {
    QStringList tolerated;
    for (const RuleFinding* finding : findings.rules()) {
        int tolerance = 2;
        if (finding->Type == Seeds) {
            tolerance = 3;
        } else if (finding->Type == QualifiersOut) {
            tolerance = 1;
        }
        if (finding->NumTourFin - finding->NumTourDeb < tolerance && !finding->J1ClassJ2) {
            tolerated.append(finding->Type);
        }
    }
    for (const QString& type : tolerated) {
        findings.remove(type);
    }
}

// One message per broken rule; a pair of qualifiers, which has a record for each of its
// two numbers, is told once, at its first record.
QString RulesCheck::BannerHint(const RuleFindings& findings) {
    QString text;
    std::set<std::pair<int, int>> pairsTold;
    const QString newline = QStringLiteral("\n");
    for (const RuleFinding* finding : findings.rules()) {
        const QString& type = finding->Type;
        const bool seedRecord = type.startsWith(Seeds) && type.size() >= 3;
        const bool pair = finding->Nom == PairName();
        if (type == Seeds) {
            text += newline + QStringLiteral("\"Les Têtes de Série sont sur plus de 3 tours.\"");
        } else if (type == QualifiersIn) {
            text += newline + QStringLiteral("Les Qualifiés Entrants sont sur plus de 2 tours.");
        } else if (type == QualifiersOut) {
            text +=
                newline + QStringLiteral("Les Qualifiés Sortants ne sont pas sur le même tour.");
        }
        if (finding->J1ClassJ2) {
            if (!pair) {
                text += seedRecord ? QStringLiteral("La Tête de Série N°") + type.mid(2) +
                                         QStringLiteral(
                                             " a un classement supérieur à la Tête "
                                             "de Série précédente.")
                                   : QStringLiteral(
                                         "Un joueur rentre plus loin qu'un joueur de "
                                         "classement supérieur au sien.");
            } else if (pairsTold.insert(std::minmax(finding->NumTourDeb, finding->NumTourFin))
                           .second) {
                text += QStringLiteral(
                    "Interdit de faire rencontrer 2 Qualifiés Entrant au premier tour dans ce "
                    "tableau.");
            }
        }
        const bool ranking =
            type != Seeds && type != QualifiersIn && type != QualifiersOut && !seedRecord && !pair;
        if (ranking && finding->NumTourFin - finding->NumTourDeb > 1) {
            text += QStringLiteral("Classement ") + type + QStringLiteral(" sur plus de 2 tours.");
        }
    }
    return text.isEmpty() ? QStringLiteral("Toutes les règles sont respectées.")
                          : QStringLiteral("ATTENTION: REGLES NON RESPECTEES\n") + text;
}
