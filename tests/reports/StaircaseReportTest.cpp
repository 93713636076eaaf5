#include "ReportTestSupport.h"

#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "reports/DrawTitleBlock.h"
#include "reports/ReportColors.h"
#include "reports/ReportStaircaseBuild.h"
#include "reports/StaircasePrintFlow.h"
#include "reports/TQR1EscalierTab.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

class StaircaseReportTest : public ReportTest {
protected:
    void rankings(std::initializer_list<std::pair<const char*, int>> rows) {
        int r = 1;
        for (const auto& [name, count] : rows) {
            state_.Rankings[r++] = {QString::fromLatin1(name), count, 0};
        }
    }
    void solution(int number, std::initializer_list<int> matches) {
        std::size_t at = 0;
        for (int figure : matches) {
            state_.Solutions[number].Matches[at++] = static_cast<std::int16_t>(figure);
        }
    }
    // A staircase of nine tours and about twenty entry lines: about 440 units high.
    void tallSolutions(int count) {
        rankings({{"A", 2},
                  {"B", 3},
                  {"C", 2},
                  {"D", 3},
                  {"E", 2},
                  {"F", 3},
                  {"G", 2},
                  {"H", 3},
                  {"I", 2},
                  {"J", 3},
                  {"K", 2},
                  {"L", 3}});
        state_.TotalPlayers = 30;
        state_.QualifiersOut = 3;
        for (int s = 1; s <= count; ++s) {
            solution(s, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
        }
        state_.StoredSolutions = static_cast<std::int16_t>(count);
    }
    void smallSolutions(int count) {
        rankings({{"A", 2}, {"B", 4}});
        state_.TotalPlayers = 6;
        state_.QualifiersOut = 1;
        for (int s = 1; s <= count; ++s) {
            solution(s, {1, 2, 2});
        }
        state_.StoredSolutions = static_cast<std::int16_t>(count);
    }

    static const ReportElement* labelStarting(const ReportPage& page, const QString& start) {
        for (const ReportElement& element : page.elements()) {
            if (!element.isShape() && element.item.text.startsWith(start)) {
                return &element;
            }
        }
        return nullptr;
    }

    StaircaseState state_;
    TQR1EscalierTab::Texts texts_{QStringLiteral("Version 1.0 du 22/02/2016"),
                                  QStringLiteral("Bretagne")};
};

TEST_F(StaircaseReportTest, BuildCountsRankingsOnOneAndTwoTours) {
    smallSolutions(1);
    ReportStaircaseBuild::Result built = ReportStaircaseBuild::Run(state_, 1);
    EXPECT_EQ(built.tours, 2);
    EXPECT_EQ(built.oneTour, 2);
    EXPECT_EQ(built.twoTours, 0);
    EXPECT_TRUE(built.spread.isEmpty());
    EXPECT_EQ(built.drawSize, 4);
    EXPECT_EQ(state_.Steps[1].Entries[1], (StepEntry{QStringLiteral("A"), 2}));
    EXPECT_EQ(state_.Steps[2].Entries[1], (StepEntry{QStringLiteral("B"), 4}));
    // No incoming qualifiers: no "q" entry anywhere.
    for (const StaircaseStep& step : state_.Steps) {
        for (const StepEntry& entry : step.Entries) {
            EXPECT_NE(entry.Name, QStringLiteral("q"));
        }
    }

    // A ranking still there at the start of its third tour is spread, and once more at
    // the start of its fourth.
    state_ = StaircaseState();
    rankings({{"A", 10}});
    state_.TotalPlayers = 10;
    state_.QualifiersOut = 3;
    solution(1, {3, 2, 2, 2, 2});
    built = ReportStaircaseBuild::Run(state_, 1);
    EXPECT_EQ(built.tours, 4);
    EXPECT_EQ(built.spread, (QList<ReportStaircaseBuild::Spread>{{QStringLiteral("A"), 3},
                                                                 {QStringLiteral("A"), 4}}));
    EXPECT_EQ(built.drawSize, 64);  // 4 × 2^4

    state_.QualifiersOut = 0;
    solution(1, {0, 1, 1, 1, 0});
    EXPECT_EQ(ReportStaircaseBuild::Run(state_, 1).drawSize, 8);
}

TEST_F(StaircaseReportTest, BuildPairsTheLastPlayersWithIncomingQualifiers) {
    rankings({{"A", 3}});
    state_.QualifiersIn = 1;
    state_.TotalPlayers = 4;
    solution(1, {1, 2});
    ReportStaircaseBuild::Run(state_, 1, QStringLiteral("Q"));
    EXPECT_EQ(state_.Steps[1].Entries[1], (StepEntry{QStringLiteral("A"), 3}));
    EXPECT_EQ(state_.Steps[1].Entries[2], (StepEntry{QStringLiteral("Q"), 1}));
    // A stored solution that asks for more rankings than there are stops, without looping.
    state_ = StaircaseState();
    rankings({{"A", 1}});
    state_.TotalPlayers = 1;
    solution(1, {1, 9, 9});
    EXPECT_EQ(ReportStaircaseBuild::Run(state_, 1).tours, 2);
}

TEST_F(StaircaseReportTest, StaggeredTitleBlockSummarisesTheSolution) {
    smallSolutions(3);
    state_.SkeletonErrorText = QStringLiteral("Ligne 3 occupée\r\nLigne 7 occupée");
    state_.SkeletonErrorCount = 2;
    ReportPage page(QPageSize::A4, QPageLayout::Portrait);
    page.addBand(QStringLiteral("QRBand1"), ReportPage::BandKind::Title, 307);
    DrawTitleBlock::AddStaggered(page, QStringLiteral("QRBand1"), state_, 2);
    EXPECT_EQ(state_.SkeletonErrorText, QStringLiteral("Ligne 3 occupée, Ligne 7 occupée"));
    const QStringList texts = Texts(page);
    EXPECT_EQ(texts.mid(0, 4),
              (QStringList{QStringLiteral("Ligne 3 occupée, Ligne 7 occupée (2 erreur(s))"),
                           QStringLiteral("Solution 2 sur 3 traitée(s)"),
                           QStringLiteral("Tableau 4 entrées, sur 2 tour(s)"),
                           QStringLiteral("Tous les classements rentrent sur 1 tour")}));
    const ReportElement* verdict = labelStarting(page, QStringLiteral("Tous"));
    EXPECT_EQ(verdict->item.top, 30);
    EXPECT_EQ(verdict->item.left, 600);
    EXPECT_EQ(verdict->item.textColor, ReportColors::Green());
    // The staircase: ranking list from top 90 + 15 − 5, then the tour columns, each 38
    // units to the left of the one before and starting under it.
    EXPECT_EQ(labelStarting(page, QStringLiteral(" 2  (A)"))->item.top, 100);
    EXPECT_EQ(labelStarting(page, QStringLiteral("Qualifiant   1"))->item.top, 90 + 30 + 60);
    const ReportElement* tour1 = labelStarting(page, QStringLiteral("4"));
    const ReportElement* entryA = labelStarting(page, QStringLiteral("2 (A)"));
    const ReportElement* entryB = labelStarting(page, QStringLiteral("4 (B)"));
    ASSERT_TRUE(tour1 && entryA && entryB);
    EXPECT_EQ(tour1->item.left, 680);
    EXPECT_EQ(tour1->item.top, 90 + 30 + 110);
    EXPECT_EQ(entryA->item.top, tour1->item.top + 15);
    EXPECT_EQ(entryB->item.left, 680 - 38);
    EXPECT_GT(entryB->item.top, entryA->item.top);

    // Manual entry and a spread ranking.
    state_.ManualEntry = true;
    rankings({{"A", 10}});
    solution(2, {3, 2, 2, 2, 2});
    ReportPage spread(QPageSize::A4, QPageLayout::Portrait);
    DrawTitleBlock::AddStaggered(spread, QStringLiteral("QRBand1"), state_, 2);
    EXPECT_NE(labelStarting(spread, QStringLiteral("Saisie escalier.")), nullptr);
    const ReportElement* wrong = labelStarting(spread, QStringLiteral("Solution incorrecte"));
    ASSERT_NE(wrong, nullptr);
    EXPECT_EQ(wrong->item.font.pointSize, ReportPage::DefaultLabelSize);
    EXPECT_EQ(labelStarting(spread, QStringLiteral("A sont sur 4 tours"))->item.top, 50);
}

TEST_F(StaircaseReportTest, LineStartTitleBlockPrintsTheDrawsOwnSeeds) {
    rankings({{"30", 8}, {"15/4", 4}});
    state_.TotalPlayers = 12;
    state_.Dimension = 16;
    state_.QualifiersOut = 1;
    state_.Seeds = 9;  // left by an earlier staggered-entry draw
    ReportPage page(QPageSize::A4, QPageLayout::Portrait);
    DrawTitleBlock::AddLineStart(page, QStringLiteral("QRBand1"), state_,
                                 {4, 8, 2, {QStringLiteral("Couple 1 : A et B")}});
    const QStringList texts = Texts(page);
    EXPECT_EQ(texts.mid(0, 6),
              (QStringList{QStringLiteral("   N = 12"), QStringLiteral("   D = 16"),
                           QStringLiteral("   E = D - N =  4"), QStringLiteral("  NE = N - E =  8"),
                           QStringLiteral("NPNE = NE / 2 =  4"), QStringLiteral("  QS =  1")}));
    EXPECT_EQ(labelStarting(page, QStringLiteral(" 2  TS"))->item.top, 130 + 30 + 85);
    EXPECT_EQ(labelStarting(page, QStringLiteral(" 9  TS")), nullptr);
    EXPECT_NE(labelStarting(page, QStringLiteral("N/2 =  6")), nullptr);
    EXPECT_EQ(labelStarting(page, QStringLiteral("Couple 1"))->item.top, 130 + 30 + 130);
    // No tour columns on a line-start draw.
    EXPECT_EQ(labelStarting(page, QStringLiteral("1 Q")), nullptr);
}

TEST_F(StaircaseReportTest, PagesHoldFiveSolutionsWhileTheyFit) {
    smallSolutions(12);
    StaircasePrintFlow::Reports all = StaircasePrintFlow::PrintAll(state_, texts_);
    ASSERT_EQ(all.pages.size(), 3u);
    EXPECT_EQ(all.pages[0]->solutions(), (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(all.pages[2]->solutions(), (QList<int>{11, 12}));
    EXPECT_TRUE(all.message.isEmpty());
    // Printing leaves the caller's steps alone.
    EXPECT_EQ(state_.Steps[1], StaircaseStep());

    // From solution 6 of 7, two are printed.
    state_.StoredSolutions = 7;
    TQR1EscalierTab tail(state_, texts_);
    EXPECT_EQ(tail.PrintSolutions(6, 5), 2);

    // Tall staircases: the third would end below the last 100 units and waits.
    tallSolutions(3);
    TQR1EscalierTab tall(state_, texts_);
    EXPECT_EQ(tall.PrintSolutions(1, 5), 2);
    const ReportElement* separator = nullptr;
    for (const ReportElement& element : tall.page().elements()) {
        if (element.kind == ReportElement::Kind::HorizontalLine &&
            element.item.penColor == ReportColors::Silver()) {
            separator = &element;
        }
    }
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->item.width, tall.page().bandWidth());
}

TEST_F(StaircaseReportTest, NextSolutionStartsBelowTheRankingColumn) {
    // Twelve rankings on two tours: the ranking column goes far below the tour columns.
    rankings({{"A", 1},
              {"B", 1},
              {"C", 1},
              {"D", 1},
              {"E", 1},
              {"F", 1},
              {"G", 1},
              {"H", 1},
              {"I", 1},
              {"J", 1},
              {"K", 1},
              {"L", 1}});
    state_.TotalPlayers = 12;
    state_.QualifiersOut = 2;
    state_.Couples = 1;
    solution(1, {2, 2, 6});
    solution(2, {2, 2, 6});
    state_.StoredSolutions = 2;
    TQR1EscalierTab report(state_, texts_);
    ASSERT_EQ(report.PrintSolutions(1, 5), 2);
    const ReportElement* second = labelStarting(report.page(), QStringLiteral("Solution 2 sur"));
    ASSERT_NE(second, nullptr);
    int lowestOfFirst = 0;
    for (const ReportElement& element : report.page().elements()) {
        if (&element == second) {
            break;
        }
        if (element.band == TQR1EscalierTab::TitleBand && element.item.top > lowestOfFirst &&
            element.item.penColor != ReportColors::Silver()) {
            lowestOfFirst = element.item.top;
        }
    }
    // "12  Couples"-line of the first solution: 20 + 15 × 12 + 75.
    EXPECT_EQ(lowestOfFirst, 20 + 180 + 75);
    EXPECT_EQ(second->item.top, lowestOfFirst + 20);
}

TEST_F(StaircaseReportTest, TellsHowManySolutionsTheFiftyPagesLeaveOut) {
    tallSolutions(120);  // two a page: 100 printed, 20 left out
    ScriptedPrompter prompter;
    prompter.queueAnswer(true);
    const StaircasePrintFlow::Reports all = StaircasePrintFlow::Print(state_, texts_, 1, prompter);
    EXPECT_EQ(all.pages.size(), 50u);
    EXPECT_EQ(all.pages.back()->solutions(), (QList<int>{99, 100}));
    EXPECT_EQ(prompter.texts(),
              (QStringList{QStringLiteral("Imprimer toutes les 120 solutions trouvées ?"),
                           StaircasePrintFlow::LeftOutMessage(100, 20)}));
    EXPECT_TRUE(StaircasePrintFlow::LeftOutMessage(100, 20).contains(QStringLiteral("100")));
    EXPECT_TRUE(StaircasePrintFlow::LeftOutMessage(100, 20).contains(QStringLiteral("20")));

    // A direct staircase stores no solution: its solution 1 is printed.
    state_.StoredSolutions = 0;
    EXPECT_EQ(StaircasePrintFlow::PrintAll(state_, texts_).pages.at(0)->solutions(), QList<int>{1});
    state_.StoredSolutions = 120;

    // "No": the current solution alone.
    prompter.queueAnswer(false);
    const StaircasePrintFlow::Reports one = StaircasePrintFlow::Print(state_, texts_, 7, prompter);
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_EQ(one.pages[0]->solutions(), QList<int>{7});
}

TEST_F(StaircaseReportTest, HeadingAndFooterOfTheStaircaseReport) {
    state_.Iterations = 854;
    smallSolutions(1);
    TQR1EscalierTab report(state_, texts_);
    const ReportPage& page = report.page();
    EXPECT_EQ(page.title(), QStringLiteral("Escaliers et Tableaux"));
    EXPECT_EQ(page.margins(), QMarginsF(6.0, 10.0, 10.0, 10.0));
    const ReportElement* version = labelStarting(page, QStringLiteral("Version 1.0"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->item.left + version->item.width, page.bandWidth());
    EXPECT_EQ(page.element(QStringLiteral("QRLabelLigue"))->item.text,
              QStringLiteral("Ligue Bretagne"));
    EXPECT_EQ(page.element(QStringLiteral("gtQRLabel2Info"))->item.text,
              QStringLiteral("854 Itérations"));
    EXPECT_EQ(page.element(QStringLiteral("QRShape1"))->item.top, 16);
    EXPECT_TRUE(page.element(QStringLiteral("QRSysData1"))->dateTime);
}

}  // namespace
