#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class DrawSnapshot;
class FontSettings;
class Page;
class RuleFindings;
class RulesCheck;
struct BracketLine;
struct PageItem;

// Puts the findings of a rules check on the bracket: every mark of a line is first set
// back to its plain look, then the items of broken rules turn red and the items of
// recommendations yellow, each with its explanation as hint. It records every hint it
// sets and every item it touches, so that the command line can tell them.
class FindingMarks {
public:
    struct HintSet {
        QString item;
        int line = 0;
        QString text;
    };

    FindingMarks(Page& page, const FontSettings& fonts, const DrawSnapshot& draw,
                 const RuleFindings& findings, const RulesCheck& check);

    // Walks every line of the draw's rounds in order.
    void Mark(int dimension);

    const QList<HintSet>& hints() const { return hints_; }
    // The items touched, in the order they were first touched.
    const QStringList& touched() const { return touched_; }

    static QString RankingBehindHint();
    static QString RankingSpanHint();
    static QString SeedSpanHint();
    static QString SeedOrderHint();
    static QString QualifiersInSpanHint();
    static QString QualifierPairHint();
    static QString QualifiersOutHint();
    // The hint of a recommendation ("Rec1", "Rec2", "Rec3").
    static QString RecommendationHint(const QString& type);

private:
    bool change(const QString& name, const std::function<void(PageItem&)>& edit);
    void setHint(PageItem& item, int line, const QString& text);
    void markBroken(const QString& name, int line, const QString& hint);
    bool broken(const QString& key, int allowed) const;
    void rankingRule(const BracketLine& line, const QString& name);
    void seedRule(const BracketLine& line, const QString& suffix);
    void incomingRule(const BracketLine& line, const QString& suffix);
    void outgoingRule(const BracketLine& line, const QString& suffix);
    void recommendations(const BracketLine& line, const QString& suffix);

    Page& page_;
    const FontSettings& fonts_;
    const DrawSnapshot& draw_;
    const RuleFindings& findings_;
    const RulesCheck& check_;
    QList<HintSet> hints_;
    QStringList touched_;
    QSet<QString> seen_;
};
