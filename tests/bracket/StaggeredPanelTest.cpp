#include "BracketTestSupport.h"

#include "bracket/BracketColors.h"
#include "bracket/InformationPanel.h"
#include "bracket/LineTally.h"

namespace {

// Rankings, the outgoing qualifiers and solution 1 of a staggered-entry draw.
class StaggeredPanelTest : public BracketFixture {
protected:
    void setDraw(std::initializer_list<std::pair<const char*, int>> rankings, int qualifiersOut,
                 std::initializer_list<std::int16_t> matches) {
        int row = 1;
        int total = 0;
        for (const auto& [name, count] : rankings) {
            state_.Rankings[row++] = {QString::fromUtf8(name), count, 0};
            total += count;
        }
        state_.TotalPlayers = static_cast<std::int16_t>(total);
        state_.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
        std::copy(matches.begin(), matches.end(), state_.Solutions[1].Matches.begin());
        state_.StoredSolutions = 1;
    }

    void build(int solution = 1) {
        writeTable(QStringLiteral("Tmpaaaa.db"), 8, {});
        RecordTable table(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Tmpaaaa.db"));
        ASSERT_TRUE(table.Open());
        const LineTally tally = LineTally::Of(table);
        InformationPanel(page_, state_, tally, 0).StaggeredEntry(solution);
    }

    QString text(const QString& name) const {
        const PageItem* found = page_.find(name);
        return found == nullptr ? QStringLiteral("<none>") : found->text;
    }
    QPoint at(const QString& name) const {
        const PageItem* found = page_.find(name);
        return found == nullptr ? QPoint(-1, -1) : QPoint(found->left, found->top);
    }

    StaircaseState state_;
};

}  // namespace

TEST_F(StaggeredPanelTest, TheWorkedExampleShowsItsSolutionAndItsStaircaseStepByStep) {
    setDraw({{"A", 4}, {"B", 4}, {"C", 4}, {"D", 8}}, 4, {4, 4, 4, 4, 4});
    build();
    EXPECT_EQ(text(QStringLiteral("Info102")), QStringLiteral("Solution 1 sur 1 traitée(s)"));
    EXPECT_TRUE(page_.find(QStringLiteral("Info102"))->font.bold);
    EXPECT_EQ(text(QStringLiteral("Info103")), QStringLiteral("Tableau 64 entrées, sur 4 tour(s)"));
    EXPECT_EQ(text(QStringLiteral("Info106")),
              QStringLiteral("Tous les classements rentrent sur 1 tour"));
    EXPECT_FALSE(page_.contains(QStringLiteral("Info101")));
    EXPECT_EQ(at(QStringLiteral("Effectif4")), QPoint(647, 90 + 60 - 5));
    EXPECT_EQ(text(QStringLiteral("Effectif4")), QStringLiteral(" 0/ 8  (D)"));
    EXPECT_EQ(at(QStringLiteral("Info01")), QPoint(655, 150 + 35));
    // The staircase: tour 1 on the right, each tour 38 pixels left and one line lower.
    EXPECT_EQ(at(QStringLiteral("Info05")), QPoint(735, 260));
    EXPECT_EQ(text(QStringLiteral("Info05")), QStringLiteral("4 Q"));
    EXPECT_EQ(at(QStringLiteral("InfoEscal1")), QPoint(680, 260));
    EXPECT_EQ(text(QStringLiteral("InfoEscal1")), QStringLiteral("8"));
    EXPECT_EQ(at(QStringLiteral("InfoEscal1S")), QPoint(680, 273));
    EXPECT_EQ(text(QStringLiteral("InfoEscal1F")), QStringLiteral("-->"));
    EXPECT_EQ(text(QStringLiteral("InfoBranch1_1")), QStringLiteral("4 (A)"));
    EXPECT_EQ(at(QStringLiteral("InfoFin2Escal1")), QPoint(680, 290));
    EXPECT_EQ(at(QStringLiteral("InfoEscal2")), QPoint(642, 290));
    EXPECT_EQ(at(QStringLiteral("InfoEscal4")), QPoint(680 - 3 * 38, 350));
    EXPECT_EQ(text(QStringLiteral("InfoBranch4_1")), QStringLiteral("8 (D)"));
    EXPECT_FALSE(page_.contains(QStringLiteral("InfoFin2Escal4")));
    EXPECT_FALSE(page_.contains(QStringLiteral("InfoFinEscal1")));
    EXPECT_FALSE(page_.contains(QStringLiteral("Info08")));
    EXPECT_EQ(state_.Steps[4].Entries[1], (StepEntry{QStringLiteral("D"), 8}));
    EXPECT_FALSE(page_.contains(QStringLiteral("Info03")));

    // The couples of the search are a staggered-entry figure: this panel shows them.
    page_.clear();
    state_.Couples = 3;
    build();
    EXPECT_EQ(text(QStringLiteral("Info03")), QStringLiteral(" 3  Couples"));
    EXPECT_EQ(at(QStringLiteral("Info03")), QPoint(655, 150 + 75));
}

TEST_F(StaggeredPanelTest, ARankingOnThreeToursMakesTheSolutionIncorrect) {
    setDraw({{"A", 6}, {"B", 1}}, 2, {2, 2, 2, 1});
    build();
    EXPECT_EQ(text(QStringLiteral("Info104_1")), QStringLiteral("A sont sur 3 tours"));
    EXPECT_EQ(at(QStringLiteral("Info104_1")), QPoint(600, 40));
    EXPECT_EQ(page_.find(QStringLiteral("Info104_1"))->textColor, BracketColors::Red);
    const PageItem* verdict = page_.find(QStringLiteral("Info105"));
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(verdict->text,
              QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"));
    EXPECT_EQ(verdict->font.pointSize, 8);
    EXPECT_TRUE(verdict->font.bold);
    EXPECT_FALSE(page_.contains(QStringLiteral("Info106")));
}

TEST_F(StaggeredPanelTest, RankingsOnOneAndTwoToursAreCountedApart) {
    setDraw({{"A", 5}, {"B", 2}}, 2, {2, 2, 2, 1});
    build();
    EXPECT_EQ(text(QStringLiteral("Info107")), QStringLiteral("1 classement(s) sur 1 tour"));
    EXPECT_EQ(text(QStringLiteral("Info108")), QStringLiteral("1 classement(s) sur 2 tour"));
    EXPECT_EQ(at(QStringLiteral("Info108")).y(), 45);
    EXPECT_EQ(page_.find(QStringLiteral("Info108"))->textColor, BracketColors::Blue);
}

TEST_F(StaggeredPanelTest, TheConstructionsProblemsAndTheWayTheStaircaseCameAreShown) {
    setDraw({{"A", 4}, {"B", 4}, {"C", 4}, {"D", 8}}, 4, {4, 4, 4, 4, 4});
    state_.SkeletonErrorText =
        QStringLiteral("Problème de mise en place d'un classement D\nEscalier non exploitable.");
    state_.SkeletonErrorCount = 2;
    state_.SingleSolution = true;
    build();
    const QString oneLine =
        QStringLiteral("Problème de mise en place d'un classement D, Escalier non exploitable.");
    EXPECT_EQ(text(QStringLiteral("Info101")), oneLine + QStringLiteral(" (2 erreur(s))"));
    EXPECT_EQ(at(QStringLiteral("Info101")), QPoint(1, 1));
    EXPECT_EQ(state_.SkeletonErrorText, oneLine);
    EXPECT_EQ(text(QStringLiteral("Info102")), QStringLiteral("Solution trouvée"));

    page_.clear();
    state_.ManualEntry = true;
    build();
    EXPECT_EQ(text(QStringLiteral("Info102")), QStringLiteral("Saisie escalier."));
}

TEST_F(StaggeredPanelTest, CompressionsWithoutQualifiersAreCounted) {
    // Tour 1 of two matches holds one ranked player beside the three arriving: one of
    // its matches is played without a ranked player waiting.
    setDraw({{"A", 1}, {"B", 6}}, 2, {2, 2, 3});
    build();
    EXPECT_EQ(text(QStringLiteral("InfoFinEscal1")), QStringLiteral("(1 comp.)"));
    EXPECT_EQ(text(QStringLiteral("Info08")),
              QStringLiteral("(1 parties se joueront sans qualifiés)"));
}
