#include "FindingMarks.h"

#include "BracketColors.h"
#include "BracketLine.h"
#include "DrawSnapshot.h"
#include "FontSettings.h"
#include "ItemKeys.h"
#include "RuleFindings.h"
#include "RulesCheck.h"

#include "drawtable/DrawLine.h"
#include "drawtable/LineAddressing.h"
#include "page/LabelMetrics.h"
#include "page/Page.h"

namespace {

// The item takes the normal colour and keeps its opacity: a transparent label stays so.
void setNormalBackground(PageItem& item) {
    const bool opaque = item.background.isValid() && !item.transparent;
    item.background = BracketColors::Normal;
    item.transparent = !opaque;
}

// The marks beside a line size themselves to their text: a new text or font refits them
// from their left edge.
void refit(PageItem& item) {
    item.width = LabelMetrics::fittedSize(item.font, item.text).width();
}

bool isRed(const PageItem& item) {
    return item.background.isValid() && item.background == BracketColors::Red;
}

}  // namespace

FindingMarks::FindingMarks(Page& page, const FontSettings& fonts, const DrawSnapshot& draw,
                           const RuleFindings& findings, const RulesCheck& check)
    : page_(page), fonts_(fonts), draw_(draw), findings_(findings), check_(check) {}

QString FindingMarks::RankingBehindHint() {
    return QStringLiteral(
        "Règle NON respectée:\nIl est INTERDIT, de faire entrer un joueur plus loin\nqu'un autre "
        "à classement supérieur au sien.");
}

QString FindingMarks::RankingSpanHint() {
    return QStringLiteral("Règle NON respectée:\nClassement entrant sur plus de 2 tours.");
}

QString FindingMarks::SeedSpanHint() {
    return QStringLiteral("Information sur les Têtes de Série:\nTête de Série sur trop de tours.");
}

QString FindingMarks::SeedOrderHint() {
    return QStringLiteral(
        "Règle NON respectée:\nCette Tête de Série a un classement supérieur\nà la Tête de "
        "Série précédente.");
}

QString FindingMarks::QualifiersInSpanHint() {
    return QStringLiteral("Règle NON respectée:\nQualifiés entrants sur plus de 2 tours.");
}

QString FindingMarks::QualifierPairHint() {
    return QStringLiteral(
        "Règle NON respectée:\nInterdit que 2 qualifiés se rencontrent\npour leur première "
        "partie dans le tableau.\n(Exception: tableau final à départ en ligne\nprivilégiant le "
        "tirage au sort.)");
}

QString FindingMarks::QualifiersOutHint() {
    return QStringLiteral("Règle NON respectée:\nQualifiés ne sortants pas sur le même tour.");
}

QString FindingMarks::RecommendationHint(const QString& type) {
    if (type == QStringLiteral("Rec1")) {
        return QStringLiteral(
            "RECOMMANDATION: Qualifiés entrants doivent,\ndans la mesure du possible, rencontrer "
            "les joueurs de\nplus faible classement directement admis dans le tableau.");
    }
    if (type == QStringLiteral("Rec2")) {
        return QStringLiteral("RECOMMANDATION: Programmer des compressions à classement égal.");
    }
    return QStringLiteral(
        "RECOMMANDATION: Eviter qu'un joueur, après sa première partie,\nne rencontre à nouveau "
        "un joueur de même classement entrant dans le tableau.");
}

bool FindingMarks::change(const QString& name, const std::function<void(PageItem&)>& edit) {
    const bool found = page_.change(name, edit);
    if (found && !seen_.contains(name)) {
        seen_.insert(name);
        touched_.append(name);
    }
    return found;
}

void FindingMarks::setHint(PageItem& item, int line, const QString& text) {
    item.hint = text;
    if (!text.isEmpty()) {
        hints_.append({item.name, line, text});
    }
}

// A rule's record is broken when its rounds span more than the allowed ones, or when it
// breaks a rule by itself.
bool FindingMarks::broken(const QString& key, int allowed) const {
    const RuleFinding* found = findings_.find(key);
    return found != nullptr &&
           (found->NumTourFin - found->NumTourDeb > allowed - 1 || found->J1ClassJ2);
}

void FindingMarks::Mark(int dimension) {
    const LineAddressing addressing(dimension);
    for (int number = 1; number <= addressing.LineCount(); ++number) {
        const BracketLine* line = draw_.line(number);
        if (line == nullptr) {
            continue;
        }
        const QString suffix = ItemKeys::ItemSuffix(addressing.RoundOfLine(number), number);
        const QString name = ItemKeys::Name + suffix;
        // Hidden empty branches take the name labels of outgoing qualifiers away; their
        // marks are checked all the same.
        const bool named = change(name, setNormalBackground);
        if (named && line->Position < 4) {
            rankingRule(*line, name);
        }
        if (line->Position > 0) {
            change(ItemKeys::Ranking + suffix, [](PageItem& ranking) {
                ranking.hint.clear();
                ranking.showHint = false;
                setNormalBackground(ranking);
                ranking.text.clear();
                refit(ranking);
            });
        }
        QColor textColor;
        if (line->Position == DrawLine::Seed) {
            seedRule(*line, suffix);
            textColor = BracketColors::Blue;
        } else if (line->Position == DrawLine::IncomingQualifier) {
            incomingRule(*line, suffix);
            textColor = BracketColors::Red;
        } else if (line->Position == DrawLine::OutgoingQualifier || line->Position == 7) {
            outgoingRule(*line, suffix);
            textColor = BracketColors::Green;
        }
        if (named && textColor.isValid()) {
            change(name, [&](PageItem& label) { label.textColor = textColor; });
        }
        recommendations(*line, suffix);
    }
}

// A ranking entering behind a better one marks the line of its first record only; a
// ranking over too many rounds marks its lines, but not those of another ranking that
// merely shares its first four characters.
void FindingMarks::rankingRule(const BracketLine& line, const QString& name) {
    const RuleFinding* found = findings_.find(RulesCheck::KeyOf(line.Nom));
    if (found == nullptr || !broken(found->Type, 2) || found->Nom != line.Nom) {
        return;
    }
    const bool behind = found->J1ClassJ2;
    if (behind && found->Prenom != line.Prenom) {
        return;
    }
    change(name, [&](PageItem& label) {
        label.font.underline = true;
        label.transparent = false;
        label.background = BracketColors::Red;
        label.showHint = true;
        setHint(label, line.FicheNumero, behind ? RankingBehindHint() : RankingSpanHint());
    });
}

// The seed's hint sits on its circle; the number is only underlined.
void FindingMarks::seedRule(const BracketLine& line, const QString& suffix) {
    const int number = line.FicheNumero;
    const QString seedNumber = ItemKeys::SeedNumber + suffix;
    const QString circle = ItemKeys::SeedCircle + suffix;
    change(seedNumber, [](PageItem& item) {
        item.font.bold = item.font.italic = item.font.underline = false;
        setNormalBackground(item);
    });
    change(circle, [](PageItem& item) {
        item.penColor = BracketColors::Black;
        item.hint.clear();
        item.brushColor = QColor();
    });
    const auto mark = [&](const QColor& fill, const QString& hint) {
        change(seedNumber, [](PageItem& item) { item.font.underline = true; });
        change(circle, [&](PageItem& item) {
            item.brushColor = fill;
            item.showHint = true;
            setHint(item, number, hint);
        });
    };
    if (broken(RulesCheck::Seeds, 3)) {
        mark(BracketColors::LightRed, SeedSpanHint());
    }
    if (findings_.find(RulesCheck::SeedKey(line.Numero)) != nullptr) {
        mark(BracketColors::Red, SeedOrderHint());
    }
}

void FindingMarks::markBroken(const QString& name, int line, const QString& hint) {
    change(name, [&](PageItem& item) {
        item.font.bold = true;
        item.font.underline = true;
        refit(item);
        item.background = BracketColors::Red;
        item.showHint = true;
        setHint(item, line, hint);
    });
}

// Qualifiers without a number share one pair key: a qualifier is marked by the pair
// record only when its own pair meets.
void FindingMarks::incomingRule(const BracketLine& line, const QString& suffix) {
    const QString name = ItemKeys::IncomingQualifier + suffix;
    const PageFont plain = fonts_.font(FontSettings::NumQualifie);
    change(name, [&](PageItem& item) {
        setNormalBackground(item);
        item.font = plain;
        refit(item);
    });
    if (broken(RulesCheck::QualifiersIn, 2)) {
        markBroken(name, line.FicheNumero, QualifiersInSpanHint());
    }
    if (findings_.find(RulesCheck::PairKey(line.Numero)) != nullptr &&
        check_.PairMeets(line.FicheNumero)) {
        markBroken(name, line.FicheNumero, QualifierPairHint());
    }
}

void FindingMarks::outgoingRule(const BracketLine& line, const QString& suffix) {
    const QString name = ItemKeys::OutgoingQualifier + suffix;
    const PageFont plain = fonts_.font(FontSettings::VainQualifie);
    change(name, [&](PageItem& item) {
        setNormalBackground(item);
        item.font = plain;
        refit(item);
    });
    if (broken(RulesCheck::QualifiersOut, 1)) {
        markBroken(name, line.FicheNumero, QualifiersOutHint());
    }
}

// A recommendation on an item already red for a rule adds its text to the rule's hint;
// otherwise it replaces the hint and turns the item yellow.
void FindingMarks::recommendations(const BracketLine& line, const QString& suffix) {
    const int number = line.FicheNumero;
    for (const QString& type : findings_.recommendationsOf(number)) {
        const QString name =
            (type == QStringLiteral("Rec1") ? ItemKeys::IncomingQualifier : ItemKeys::Ranking) +
            suffix;
        const QString text = RecommendationHint(type);
        change(name, [&](PageItem& item) {
            if (isRed(item)) {
                setHint(item, number, item.hint + QLatin1Char('\n') + text);
                return;
            }
            setHint(item, number, text);
            item.showHint = true;
            item.background = BracketColors::Yellow;
            if (item.text.isEmpty()) {
                item.text = QStringLiteral("Rec");
            } else if (item.text == QStringLiteral("q")) {
                item.text = QStringLiteral(" q ");
            }
            refit(item);
            item.transparent = false;
        });
    }
}
