#include "ReportTestSupport.h"

#include "drawtable/DrawLine.h"
#include "page/LabelMetrics.h"
#include "reports/ReportColors.h"
#include "reports/SheetPlan.h"
#include "reports/TQR1TableauEscalier.h"

#include <memory>

namespace {

class DrawReportTest : public ReportTest {
protected:
    std::unique_ptr<TQR1TableauEscalier> sheet(const DrawFile& draw, int perSheet, int partCount,
                                               int startPart, int partNumber, bool hideEmpty = true,
                                               const QString& info = {}) {
        auto report = std::make_unique<TQR1TableauEscalier>(
            ReportPaper(), PrintSettings(), TQR1TableauEscalier::DefaultFonts(), draw, info);
        report->options().PerSheet = perSheet;
        report->options().HideEmptyBranches = hideEmpty;
        report->LayOutSheet(draw.dimension, partCount, startPart, partNumber, true);
        return report;
    }
    std::unique_ptr<TQR1TableauEscalier> whole(const DrawFile& draw, bool hideEmpty = true,
                                               const QString& info = {}) {
        return sheet(draw, 64, 0, 1, 1, hideEmpty, info);
    }

    static const ReportElement* labelWithText(const ReportPage& page, const QString& text) {
        for (const ReportElement& element : page.elements()) {
            if (element.kind == ReportElement::Kind::Label && element.item.text == text) {
                return &element;
            }
        }
        return nullptr;
    }
};

TEST_F(DrawReportTest, LaysSixtyFourLinesOutOnOneSheet) {
    const auto report = whole(EmptyDraw(64), false);
    const std::map<int, int> columns = LinesByColumn(report->page());
    EXPECT_EQ(Counts(columns), (QList<int>{64, 32, 16, 8, 4, 2, 1}));
    QList<int> lefts;
    for (const auto& [left, count] : columns) {
        lefts.append(left);
    }
    // Columns 76 apart, the last one 76 / 1.3 = 58 after the one before it.
    EXPECT_EQ(lefts, (QList<int>{8, 84, 160, 236, 312, 388, 446}));
    // The last column has no connector on its left: every horizontal line that ends at
    // its left edge belongs to the column before it (starting at its right edge).
    for (const ReportElement* line :
         Elements(report->page(), ReportElement::Kind::HorizontalLine)) {
        EXPECT_NE(line->item.left + line->item.width, 446) << line->item.left;
    }
    // The last line is drawn with a pen of 2.
    const ReportElement* winner = Elements(report->page(), ReportElement::Kind::Rectangle).back();
    EXPECT_EQ(winner->item.penWidth, 2);
    EXPECT_EQ(winner->item.width, 70);
    // One sheet: no page label, the page number empty.
    EXPECT_EQ(report->page().element(TQR1TableauEscalier::PageNumberLabel)->item.text, QString());
    EXPECT_EQ(labelWithText(report->page(), QStringLiteral("() Page 1")), nullptr);
}

TEST_F(DrawReportTest, ShowsEmptyBranchesUntilTheFirstOutgoingQualifier) {
    DrawFile draw = EmptyDraw(8);
    draw.lines[9].position = DrawLine::OutgoingQualifier;  // line 10, second of round 2
    draw.lines[9].numero = 1;
    const auto report = whole(draw, false);
    // Line 13 (round 3, fed by the qualifier's pair) goes through the content check and
    // stays undrawn; line 14 keeps the branch of lines 11 and 12.
    EXPECT_EQ(Counts(LinesByColumn(report->page())), (QList<int>{8, 4, 1, 1}));
    EXPECT_NE(labelWithText(report->page(), QStringLiteral("Q1")), nullptr);
    // Without the qualifier every line is drawn, filled or not.
    EXPECT_EQ(Counts(LinesByColumn(whole(EmptyDraw(8), false)->page())), (QList<int>{8, 4, 2, 1}));
    // Hiding empty branches on an empty draw draws nothing.
    EXPECT_TRUE(LinesByColumn(whole(EmptyDraw(8))->page()).empty());
}

TEST_F(DrawReportTest, DrawsOnlyTheLinesThatLeadToTheOutgoingQualifiers) {
    DrawFile draw = EmptyDraw(64);
    draw.qualifiersOut = 3;
    EXPECT_EQ(Counts(LinesByColumn(whole(draw, false)->page())), (QList<int>{48, 24, 12, 6, 3, 1}));
}

TEST_F(DrawReportTest, SplitsSixtyFourEntriesInTwoHalvesAndAnEnd) {
    const DrawFile draw = EmptyDraw(64);
    const SheetPlan plan = SheetPlan::Of(64, 32);
    const QStringList captions{QStringLiteral("1/2 tableau supérieur"),
                               QStringLiteral("1/2 tableau inférieur"),
                               QStringLiteral("Fin du tableau de 64 entrées")};
    for (int sheetNumber = 1; sheetNumber <= 3; ++sheetNumber) {
        const bool end = sheetNumber == 3;
        const auto report = sheet(draw, 32, end ? 0 : plan.PartCount,
                                  end ? plan.EndRound : sheetNumber, sheetNumber, false);
        EXPECT_EQ(report->caption(), captions[sheetNumber - 1]);
        EXPECT_EQ(report->isEndSheet(), end);
        const ReportElement* label = labelWithText(
            report->page(),
            QStringLiteral("(%1) Page %2").arg(captions[sheetNumber - 1]).arg(sheetNumber));
        ASSERT_NE(label, nullptr) << sheetNumber;
        EXPECT_EQ(label->item.top, 115);
        EXPECT_EQ(label->item.width, 198);
        EXPECT_EQ(label->item.left, report->page().bandWidth() - 198);
        EXPECT_EQ(label->item.textColor, ReportColors::Red());
        // The halves show 32 lines and their branches, the end rounds 2 to 7.
        EXPECT_EQ(Counts(LinesByColumn(report->page())),
                  end ? (QList<int>{32, 16, 8, 4, 2, 1}) : (QList<int>{32, 16, 8, 4, 2, 1}));
    }
}

TEST_F(DrawReportTest, SplitDrawCountsOutgoingQualifierLinesOverTheWholeDraw) {
    DrawFile draw = EmptyDraw(64);
    draw.qualifiersOut = 6;
    for (int line = 1; line <= 64; ++line) {
        SetEntrant(draw, line, QStringLiteral("L%1").arg(line));
    }
    const auto upper = sheet(draw, 32, 2, 1, 1);
    const auto lower = sheet(draw, 32, 2, 2, 2);
    // 48 lines of round 1 lead to the 6 qualifiers: 32 on the upper half, 16 below.
    EXPECT_EQ(Counts(LinesByColumn(upper->page())).front(), 32);
    EXPECT_EQ(Counts(LinesByColumn(lower->page())).front(), 16);
    EXPECT_NE(labelWithText(upper->page(), QStringLiteral("L32 Jean")), nullptr);
    EXPECT_NE(labelWithText(lower->page(), QStringLiteral("L48 Jean")), nullptr);
    EXPECT_EQ(labelWithText(lower->page(), QStringLiteral("L49 Jean")), nullptr);
}

TEST_F(DrawReportTest, MarksSeedsAndQualifiers) {
    DrawFile draw = EmptyDraw(8);
    SetEntrant(draw, 1, QStringLiteral("SEED"), DrawLine::Seed);
    draw.lines[0].numero = 2;
    SetEntrant(draw, 2, QStringLiteral("QUAL"), DrawLine::IncomingQualifier);
    draw.lines[1].numero = 3;
    draw.lines[2].position = DrawLine::IncomingQualifier;  // no number, no name
    SetEntrant(draw, 4, QStringLiteral("BOLD"));
    draw.lines[3].information = 1;
    draw.lines[14].position = DrawLine::OutgoingQualifier;
    draw.lines[14].numero = 1;
    const auto report = whole(draw);
    const ReportPage& page = report->page();
    const SheetGeometry& g = report->geometry();

    const ReportElement* seed = labelWithText(page, QStringLiteral("SEED Jean"));
    ASSERT_NE(seed, nullptr);
    EXPECT_EQ(seed->item.textColor, ReportColors::Blue());
    EXPECT_TRUE(seed->item.font.bold);
    EXPECT_EQ(seed->item.font.family, QStringLiteral("Times New Roman"));
    const ReportElement* circle = Elements(page, ReportElement::Kind::Circle).value(0);
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->item.width, 15);
    EXPECT_EQ(circle->item.left, g.Left + g.LineWidth);
    EXPECT_EQ(circle->item.top, g.Top + g.LinePitch * 0 - 10);  // odd line: above it
    const ReportElement* number = labelWithText(page, QStringLiteral("2"));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->item.width, 20);

    EXPECT_EQ(labelWithText(page, QStringLiteral("QUAL Jean"))->item.textColor,
              ReportColors::Red());
    const ReportElement* q3 = labelWithText(page, QStringLiteral("q3"));
    ASSERT_NE(q3, nullptr);
    EXPECT_EQ(q3->item.left, g.Left - 23);  // round 1
    EXPECT_EQ(q3->item.font.pointSize, 8);
    EXPECT_NE(labelWithText(page, QStringLiteral("q")), nullptr);
    EXPECT_TRUE(labelWithText(page, QStringLiteral("BOLD Jean"))->item.font.bold);
    const ReportElement* out = labelWithText(page, QStringLiteral("Q1"));
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->item.left, g.Left + 3 * g.ColumnPitch + g.LineWidth + 15 - 13);
    // A qualifier's line carries no ranking.
    EXPECT_EQ(labelWithText(page, QStringLiteral("15/4"))->item.top,
              g.Top + g.LinePitch * 0 + g.LineHeight);
}

TEST_F(DrawReportTest, CutsLongNamesAtTheirEnd) {
    DrawFile draw = EmptyDraw(8);
    SetEntrant(draw, 1, QStringLiteral("DE LA TOUR DU PIN CHAMBLY DE LA CHARCE"));
    const auto report = whole(draw);
    const ReportElement* name = nullptr;
    for (const ReportElement& element : report->page().elements()) {
        if (element.item.text.startsWith(QStringLiteral("DE LA"))) {
            name = &element;
        }
    }
    ASSERT_NE(name, nullptr);
    EXPECT_LT(name->item.width, report->geometry().LineWidth - 1);
    EXPECT_TRUE(
        QStringLiteral("DE LA TOUR DU PIN CHAMBLY DE LA CHARCE Jean").startsWith(name->item.text));
}

TEST_F(DrawReportTest, RankingLabelFollowsTheHostSetting) {
    DrawFile draw = EmptyDraw(4);
    SetEntrant(draw, 1, QStringLiteral("DUPONT"));
    SetEntrant(draw, 2, QStringLiteral("SMITH"));
    draw.lines[1].typeClassement = QStringLiteral("P");
    draw.lines[1].nationalite = QStringLiteral("GBR");
    SetEntrant(draw, 3, QStringLiteral("MARTIN"));
    draw.lines[2].typeClassement = QStringLiteral("A");
    draw.lines[2].nationalite = QStringLiteral("BEL");

    const auto plain = whole(draw);
    const ReportElement* ranking = labelWithText(plain->page(), QStringLiteral("15/4"));
    ASSERT_NE(ranking, nullptr);
    EXPECT_EQ(
        ranking->item.left + ranking->item.width,
        plain->geometry().Left + plain->geometry().LineWidth);  // right edge at the line's end
    EXPECT_EQ(plain->page().elements().size(),
              whole(draw, true, QStringLiteral("C"))->page().elements().size());
    // A foreign player shows the nationality, once as the ranking and once as the note,
    // a point smaller; an assimilated one "Ass " and the ranking.
    const ReportElement* foreign = labelWithText(plain->page(), QStringLiteral("GBR"));
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(foreign->item.font.pointSize, 6);
    EXPECT_NE(labelWithText(plain->page(), QStringLiteral("Ass 15/4")), nullptr);
    EXPECT_NE(labelWithText(plain->page(), QStringLiteral("BEL")), nullptr);
    // "A": no ranking text at all, the nationality notes neither.
    const auto none = whole(draw, true, QStringLiteral("A"));
    EXPECT_EQ(labelWithText(none->page(), QStringLiteral("15/4")), nullptr);
    EXPECT_EQ(labelWithText(none->page(), QStringLiteral("GBR")), nullptr);
}

TEST_F(DrawReportTest, UnframedLinesAreUnderlinesExceptTheNamedWinner) {
    DrawFile draw = EmptyDraw(2);
    SetEntrant(draw, 1, QStringLiteral("A"));
    SetEntrant(draw, 3, QStringLiteral("W"));
    TQR1TableauEscalier report(ReportPaper(), PrintSettings(), TQR1TableauEscalier::DefaultFonts(),
                               draw);
    report.options().Framed = false;
    report.LayOutSheet(2, 0, 1, 1, false);
    const auto boxes = Elements(report.page(), ReportElement::Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->item.penColor, ReportColors::White());
    EXPECT_EQ(boxes[0]->item.penWidth, 2);
    // Round 1: two underlines (the sibling of a named line is drawn too) and their two
    // connectors to the right; the winner's connector on its left.
    EXPECT_EQ(Elements(report.page(), ReportElement::Kind::HorizontalLine).size(), 2 + 2 + 1);
}

TEST_F(DrawReportTest, ReadsThePrintSettingsAndForcesMarginsOnLargeDraws) {
    PrintSettings settings;
    settings.Margins = QMarginsF(12.0, 25.0, 8.0, 30.0);
    settings.FooterHeight = 40;
    const DrawFile draw32 = EmptyDraw(32);
    const DrawFile draw64 = EmptyDraw(64);
    TQR1TableauEscalier small(ReportPaper(), settings, TQR1TableauEscalier::DefaultFonts(), draw32);
    small.LayOutSheet(32, 0, 1, 1, true);
    EXPECT_EQ(small.page().margins(), settings.Margins);
    EXPECT_EQ(small.page().band(TQR1TableauEscalier::FooterBand)->height, 40);
    TQR1TableauEscalier large(ReportPaper(), settings, TQR1TableauEscalier::DefaultFonts(), draw64);
    large.LayOutSheet(64, 0, 1, 1, true);
    EXPECT_EQ(large.page().margins(), QMarginsF(12.0, 10.0, 8.0, 10.0));
    // A3 paper: the page grows to 297 × 420 mm.
    TQR1TableauEscalier a3({QPageSize::A3, QPageLayout::Portrait}, settings,
                           TQR1TableauEscalier::DefaultFonts(), draw64);
    EXPECT_EQ(a3.page().paperSize(), QSize(1123, 1587));
    EXPECT_DOUBLE_EQ(a3.paperScale(), 1.4142);
}

}  // namespace
