#include "ReportTestSupport.h"

#include "core/StaircaseState.h"
#include "reports/DrawPrintFlow.h"

namespace {

class DrawPrintFlowTest : public ReportTest {
protected:
    DrawPrintFlow::Sheets build(const DrawFile& draw, const DrawPrintOptions& options) {
        state_.Dimension = static_cast<std::int16_t>(draw.dimension);
        state_.TotalPlayers = 40;
        state_.Seeds = 9;
        DrawPrintFlow::Inputs inputs;
        inputs.draw = &draw;
        inputs.state = &state_;
        inputs.lineStart = {24, 16, 4, {}};
        inputs.versionLabelText = QStringLiteral("Version 1.0 du 22/02/2016");
        return DrawPrintFlow::Build(inputs, options);
    }
    static bool hasTitleBlock(const ReportPage& page) {
        return Texts(page).contains(QStringLiteral("   N = 40"));
    }

    StaircaseState state_;
};

TEST_F(DrawPrintFlowTest, NumbersTheSheetsOfASplitDraw) {
    DrawPrintOptions options;
    options.PerSheet = 32;
    options.Paysage = true;
    const DrawPrintFlow::Sheets sheets = build(EmptyDraw(64), options);
    ASSERT_EQ(sheets.reports.size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        const ReportPage& page = sheets.reports[static_cast<std::size_t>(i - 1)]->page();
        EXPECT_EQ(page.element(QStringLiteral("gtQRLabel1Page"))->item.text,
                  QStringLiteral("(%1)").arg(i));
        EXPECT_EQ(page.element(QStringLiteral("QRLabelLigue"))->item.text,
                  QStringLiteral("Version 1.0 du 22/02/2016"));
        EXPECT_EQ(page.title(), QString());
        EXPECT_EQ(page.orientation(), QPageLayout::Landscape);
        EXPECT_TRUE(hasTitleBlock(page)) << i;
        EXPECT_TRUE(sheets.reports[static_cast<std::size_t>(i - 1)]->options().Composite);
    }
    EXPECT_TRUE(sheets.reports[2]->isEndSheet());
    EXPECT_TRUE(sheets.messages.isEmpty());
}

TEST_F(DrawPrintFlowTest, TitleOnTheFirstSheetOnlyWhenAsked) {
    DrawPrintOptions options;
    options.PerSheet = 32;
    options.TitrePremiereFeuille = true;
    options.UneFeuille = true;
    const DrawPrintFlow::Sheets sheets = build(EmptyDraw(64), options);
    ASSERT_EQ(sheets.reports.size(), 3u);
    EXPECT_TRUE(hasTitleBlock(sheets.reports[0]->page()));
    EXPECT_FALSE(hasTitleBlock(sheets.reports[1]->page()));
    EXPECT_FALSE(hasTitleBlock(sheets.reports[2]->page()));
    EXPECT_FALSE(sheets.reports[0]->options().Composite);  // sheet by sheet

    // One sheet: the title stays, no page number.
    options.PerSheet = 64;
    const DrawPrintFlow::Sheets one = build(EmptyDraw(64), options);
    ASSERT_EQ(one.reports.size(), 1u);
    EXPECT_TRUE(hasTitleBlock(one.reports[0]->page()));
    EXPECT_EQ(one.reports[0]->page().element(QStringLiteral("gtQRLabel1Page"))->item.text,
              QString());
}

TEST_F(DrawPrintFlowTest, EndBranchesNeedAPowerOfTwo) {
    DrawPrintOptions options;
    options.AvecBranchesFinTab = true;
    options.SansCadre = false;
    DrawFile section = EmptyDraw(24);
    section.qualifiersOut = 3;
    const DrawPrintFlow::Sheets sheets = build(section, options);
    EXPECT_FALSE(sheets.reports[0]->options().EndBranches);
    EXPECT_TRUE(sheets.reports[0]->options().Framed);
    EXPECT_EQ(sheets.messages.size(), 1);
    EXPECT_TRUE(build(EmptyDraw(32), options).reports[0]->options().EndBranches);
    EXPECT_EQ(DrawPrintFlow::DefaultListItem(128), 2);
    EXPECT_EQ(DrawPrintFlow::PerSheetOfItem(-1), 32);
    EXPECT_FALSE(DrawPrintFlow::EndBranchesEnabled(0));
}

}  // namespace
