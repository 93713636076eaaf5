#include "ReportTestSupport.h"

#include "bracket/BracketLayout.h"
#include "drawtable/LineAddressing.h"
#include "reports/SheetGeometry.h"
#include "reports/SheetPlan.h"
#include "reports/TQR1TableauEscalier.h"

#include <algorithm>
#include <set>

#include <QRegularExpression>

namespace {

TEST(SheetPlanTest, CutsPowersOfTwoAsTheTableSays) {
    struct Row {
        int dimension;
        int sheets[4];  // at 32, 64, 128 and 256 per sheet
    };
    const Row rows[] = {{32, {1, 1, 1, 1}},  {64, {3, 1, 1, 1}},   {128, {5, 3, 1, 1}},
                        {256, {9, 5, 3, 1}}, {512, {17, 9, 5, 3}}, {1024, {33, 17, 9, 5}}};
    const int perSheet[] = {32, 64, 128, 256};
    for (const Row& row : rows) {
        for (int at = 0; at < 4; ++at) {
            const SheetPlan plan = SheetPlan::Of(row.dimension, perSheet[at]);
            EXPECT_EQ(plan.SheetCount, row.sheets[at]) << row.dimension << " / " << perSheet[at];
            EXPECT_EQ(plan.PartCount, row.sheets[at] == 1 ? 0 : row.sheets[at] - 1);
        }
    }
    // The end sheet starts at the round of 32 lines.
    EXPECT_EQ(SheetPlan::Of(64, 32).EndRound, 2);
    EXPECT_EQ(SheetPlan::Of(1024, 256).EndRound, 6);
}

TEST(SheetPlanTest, CaptionsNameTheHalvesQuartersAndTheEnd) {
    EXPECT_EQ(SheetPlan::Caption(128, 1, 64), QStringLiteral("1/2 tableau supérieur"));
    EXPECT_EQ(SheetPlan::Caption(128, 2, 64), QStringLiteral("1/2 tableau inférieur"));
    EXPECT_EQ(SheetPlan::Caption(64, 3, 64), QStringLiteral("Fin du tableau de 64 entrées"));
    EXPECT_EQ(SheetPlan::Caption(256, 3, 128), QStringLiteral("1°quart bas du tableau"));
    EXPECT_EQ(SheetPlan::Caption(256, 5, 128), QStringLiteral("Fin du tableau de 128 entrées"));
    EXPECT_EQ(SheetPlan::Caption(512, 4, 256), QStringLiteral("4°huitième du tableau (9)"));
    EXPECT_EQ(SheetPlan::Caption(1024, 17, 512), QStringLiteral("Fin du tableau de 512 entrées"));
    EXPECT_EQ(SheetPlan::Caption(2048, 12, 1024), QStringLiteral("12° 32ème du tableau (33)"));
    EXPECT_EQ(SheetPlan::Caption(2048, 34, 1024), QString());
    EXPECT_EQ(SheetPlan::Caption(96, 1, 48), QString());
}

TEST(SheetGeometryTest, ScalesTheTableRowForThePaper) {
    // 64 lines at 64 per sheet, portrait A4.
    const SheetGeometry a4 = SheetGeometry::For(64, 64, false, 1.0);
    EXPECT_EQ(a4.LinePitch, 16);
    EXPECT_EQ(a4.LineWidth, 70);
    EXPECT_EQ(a4.ColumnPitch, 76);
    EXPECT_EQ(a4.LineHeight, 14);
    EXPECT_EQ(a4.NameFontSize, 8);
    // 256 per sheet on a draw of 64 takes the same row.
    EXPECT_EQ(SheetGeometry::For(64, 256, false, 1.0), a4);
    // On A3 every scaled figure grows by 1.4142, halves to even: 125 × 0.7 × 1.4142 =
    // 123.74, 18 × 1.4142 = 25.46; the top is not scaled.
    const SheetGeometry a3 = SheetGeometry::For(128, 32, true, 1.4142);
    EXPECT_EQ(a3.Top, -1);
    EXPECT_EQ(a3.LinePitch, 31);
    EXPECT_EQ(a3.LineWidth, 168);
    EXPECT_EQ(a3.ColumnPitch, 178);
    EXPECT_EQ(a3.LineHeight, 25);
    EXPECT_EQ(a3.NameFontSize, 13);
    EXPECT_EQ(a3.Left, 14);
    // 87.5 rounds to 88 and 108.5 would give 108: halves go to the even neighbour.
    EXPECT_EQ(SheetGeometry::For(128, 32, false, 1.0).ColumnPitch, 88);
    // The font scale of 128 per sheet shrinks the names and their boxes.
    const SheetGeometry dense = SheetGeometry::For(256, 128, false, 1.0);
    EXPECT_EQ(dense.NameFontSize, 7);
    EXPECT_EQ(dense.LineHeight, 11);
}

class SectionPlanTest : public ReportTest {};

// Every line of every round of a draw, printed with empty branches shown and a name on
// every line, is on some sheet of its plan, and the part sheets keep round 1 in order.
TEST_F(SectionPlanTest, EveryLineOfASplitDrawIsPrintedSomewhere) {
    struct Case {
        int dimension;
        int qualifiersOut;
        int perSheet;
    };
    for (const Case& c :
         {Case{96, 3, 32}, Case{80, 5, 32}, Case{192, 3, 64}, Case{64, 6, 32}, Case{128, 3, 32}}) {
        DrawFile draw = EmptyDraw(c.dimension);
        draw.qualifiersOut = c.qualifiersOut;
        const LineAddressing lines(c.dimension);
        std::set<int> expected;
        for (int line = 1; line <= draw.lines.size(); ++line) {
            if (lines.RoundOfLine(line) > 0) {
                SetEntrant(draw, line, QStringLiteral("L%1").arg(line));
                expected.insert(line);
            }
        }
        const SheetPlan plan = SheetPlan::Of(c.dimension, c.perSheet);
        ASSERT_GT(plan.PartCount, 0) << c.dimension;
        std::set<int> printed;
        QList<int> firstRound;
        for (int sheet = 1; sheet <= plan.SheetCount; ++sheet) {
            TQR1TableauEscalier report(ReportPaper(), PrintSettings(),
                                       TQR1TableauEscalier::DefaultFonts(), draw);
            report.options().PerSheet = c.perSheet;
            report.options().HideEmptyBranches = false;
            const bool end = sheet == plan.SheetCount;
            report.LayOutSheet(c.dimension, end ? 0 : plan.PartCount, end ? plan.EndRound : sheet,
                               sheet, true);
            for (const QString& text : Texts(report.page())) {
                const QRegularExpressionMatch name =
                    QRegularExpression(QStringLiteral("^L(\\d+) ")).match(text);
                if (name.hasMatch()) {
                    const int line = name.captured(1).toInt();
                    printed.insert(line);
                    if (!end && lines.RoundOfLine(line) == 1) {
                        firstRound.append(line);
                    }
                }
            }
        }
        // The outgoing-qualifier rule leaves out the lines that lead to no qualifier.
        std::set<int> wanted;
        for (int line : expected) {
            const int round = lines.RoundOfLine(line);
            const int shown =
                BracketLayout::ShownLines(c.dimension, c.qualifiersOut) >> (round - 1);
            if (lines.IndexInRound(line) <= shown) {
                wanted.insert(line);
            }
        }
        EXPECT_EQ(printed, wanted) << c.dimension << " q" << c.qualifiersOut;
        EXPECT_TRUE(std::is_sorted(firstRound.begin(), firstRound.end()));
    }
}

}  // namespace
