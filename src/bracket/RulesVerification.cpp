#include "RulesVerification.h"

#include "BracketColors.h"
#include "DrawSnapshot.h"
#include "FindingMarks.h"
#include "ItemKeys.h"
#include "RuleFindings.h"
#include "RulesCheck.h"

#include "core/BusyCursor.h"
#include "core/Prompter.h"
#include "drawtable/RankingOrderList.h"
#include "page/Page.h"

RulesVerification::RulesVerification(Page& page, const FontSettings& fonts, Prompter& prompter,
                                     BusyCursor& cursor)
    : page_(page), fonts_(fonts), prompter_(prompter), cursor_(cursor) {}

void RulesVerification::warn(Report& report, const QString& text) {
    prompter_.warning(text);
    report.messages.append({Message::Kind::Warning, QString(), 0, text});
}

RulesVerification::Report RulesVerification::HighlightFindings(RecordTable& drawTable,
                                                               int dimension, int qualifiersOut,
                                                               const Places& places) {
    Report report;
    // Without the list every ranking has order -1: the check goes on, and the rules that
    // compare rankings find nothing.
    RankingOrderList order;
    if (std::optional<RankingOrderList> loaded = RankingOrderList::Load(places.rankingOrderPath)) {
        order = std::move(*loaded);
    } else {
        warn(report, RankingOrderList::MissingWarning());
    }
    BusyCursorScope busy(cursor_);
    const DrawSnapshot draw = DrawSnapshot::Read(drawTable);
    const RulesCheck check(draw, order, dimension, qualifiersOut);
    const RuleFindings findings = check.Run();
    // Findings the host's tables could not keep are still shown on the bracket.
    const QString saveError = findings.Save(places.rulesLocation);
    if (!saveError.isEmpty()) {
        busy.pause();
        warn(report, saveError);
        busy.resume();
    }

    const Page::Batch batch(page_);
    showBanner(findings);
    FindingMarks marks(page_, fonts_, draw, findings, check);
    marks.Mark(dimension);
    for (const FindingMarks::HintSet& hint : marks.hints()) {
        report.messages.append({Message::Kind::Hint, hint.item, hint.line, hint.text});
    }
    report.touched = marks.touched();
    return report;
}

// The banner's hint as the tables hold it; the view builds it again from the table
// whenever the mouse enters the banner.
void RulesVerification::showBanner(const RuleFindings& findings) {
    const bool broken = findings.hasRules();
    const QString hint = RulesCheck::BannerHint(findings);
    page_.change(ItemKeys::Banner, [&](PageItem& banner) {
        banner.visible = broken;
        banner.text = BannerCaption();
        banner.background = broken ? BracketColors::Red : BracketColors::Normal;
        banner.hint = hint;
        banner.showHint = true;
    });
}
