#include "StaircaseFixtures.h"
#include "core/BusyCursor.h"
#include "staircase/StaircaseViewLogic.h"

#include <gtest/gtest.h>

namespace {

// Counts the wait cursor's showings and restorings, which must balance.
class CountingCursor : public BusyCursor {
public:
    int depth = 0;
    int shown = 0;
    void show() override {
        ++depth;
        ++shown;
    }
    void restore() override { --depth; }
};

QString Caption(const Page& page, const QString& name) {
    const PageItem* item = page.find(name);
    return item == nullptr ? QString() : item->text;
}

// Rankings A 1, B 6, C 1 and two outgoing qualifiers: (2, 2, 3, 1) is correct, (2, 2, 2,
// 2) and (2, 2, 2, 1, 1) spread B over three and four tours.
void SetThreeRankings(StaircaseState& state) {
    SetRankings(state, {{"A", 1}, {"B", 6}, {"C", 1}}, 2);
}

void Store(StaircaseState& state, std::initializer_list<StaircaseSolution> solutions) {
    int k = 0;
    for (const StaircaseSolution& solution : solutions) {
        state.Solutions[++k] = solution;
    }
    state.StoredSolutions = static_cast<std::int16_t>(k);
}

}  // namespace

TEST(StaircaseView, RemovesIncorrectSolutionsAndClosesTheGap) {
    StaircaseState state;
    SetThreeRankings(state);
    Store(state, {Solution({2, 2, 2, 2}), Solution({2, 2, 2, 1, 1}), Solution({2, 2, 3, 1})});
    Page page;
    CountingCursor cursor;
    StaircaseViewLogic view(state, page, cursor);
    view.FormShow();
    EXPECT_EQ(state.StoredSolutions, 1);
    EXPECT_EQ(state.Solutions[1], Solution({2, 2, 3, 1}));
    EXPECT_EQ(state.Solutions[2], StaircaseSolution{});
    EXPECT_EQ(state.Solutions[3], StaircaseSolution{});
    EXPECT_EQ(Caption(page, StaircaseViewLogic::SolutionLabelName()),
              QStringLiteral("Solution 1 sur 1 traitée(s)"));
    EXPECT_EQ(Caption(page, StaircaseViewLogic::DrawLabelName()),
              QStringLiteral("Tableau à 16 entrées et joueurs sur 3 tour(s)"));
    EXPECT_EQ(state.Dimension, 16);
    EXPECT_EQ(view.TourCount, 3);
    EXPECT_EQ(cursor.depth, 0);
    EXPECT_GT(cursor.shown, 0);

    // A second showing finds nothing more to remove and draws the same page.
    const int items = page.count();
    view.FormShow();
    EXPECT_EQ(state.StoredSolutions, 1);
    EXPECT_EQ(page.count(), items);
}

TEST(StaircaseView, AllRemovedDrawsTheClearedFigures) {
    StaircaseState state;
    SetThreeRankings(state);
    Store(state, {Solution({2, 2, 2, 2})});
    Page page;
    CountingCursor cursor;
    StaircaseViewLogic view(state, page, cursor);
    view.FormShow();
    EXPECT_EQ(state.StoredSolutions, 0);
    EXPECT_EQ(Caption(page, StaircaseViewLogic::DrawLabelName()),
              QStringLiteral("Tableau à 2 entrées et joueurs sur 0 tour(s)"));
    EXPECT_EQ(
        LabelsWithText(page, QStringLiteral("Tous les classements sont admis sur 1 tour")).size(),
        1);
    EXPECT_EQ(LabelsWithText(page, QStringLiteral(" 6  (B)")).size(), 1);
    EXPECT_EQ(view.TourCount, 0);
}

TEST(StaircaseView, ASingleSolutionIsShownAsFound) {
    StaircaseState state;
    SetRankings(state, {{"A", 8}, {"B", 12}}, 4);
    state.SingleSolution = true;
    state.Solutions[1] = Solution({4, 4, 4, 4, 4});
    Page page;
    CountingCursor cursor;
    StaircaseViewLogic view(state, page, cursor);
    view.FormShow();
    EXPECT_EQ(Caption(page, StaircaseViewLogic::SolutionLabelName()),
              QStringLiteral("Solution trouvée"));
    EXPECT_FALSE(view.NextEnabled);
    EXPECT_EQ(state.StoredSolutions, 0);
    EXPECT_EQ(state.Solutions[1], Solution({4, 4, 4, 4, 4}));
    EXPECT_EQ(state.Dimension, 64);
}

TEST(StaircaseView, ACaptionPerSolutionChecked) {
    StaircaseState state;
    SetThreeRankings(state);
    for (int k = 1; k <= 17; ++k) {
        state.Solutions[k] = Solution({2, 2, 3, 1});
    }
    state.StoredSolutions = 17;
    Page page;
    CountingCursor cursor;
    StaircaseViewLogic view(state, page, cursor);
    EXPECT_FALSE(view.TraiteUneSolution(3, true));
    EXPECT_EQ(Caption(page, StaircaseViewLogic::SolutionLabelName()),
              QStringLiteral("Solution 3 sur 17 traitée(s)"));
    EXPECT_EQ(page.count(), 2);  // a check draws nothing else
}

TEST(StaircaseView, DimensionFollowsTheQualifiersAndTheTours) {
    StaircaseState state;
    SetRankings(state, {{"A", 5}}, 1);
    state.Solutions[1] = Solution({1, 1, 1, 1, 1});
    state.StoredSolutions = 1;
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.TraiteUneSolution(1, false);
    EXPECT_EQ(state.Dimension, 16);

    SetRankings(state, {{"A", 14}}, 5);
    state.Solutions[1] = Solution({5, 5, 4});
    view.TraiteUneSolution(1, false);
    EXPECT_EQ(state.Dimension, 32);
}

TEST(StaircaseView, AStaircaseBeyondTheStepTableIsRemovedOrMarked) {
    StaircaseState state;
    SetSingles(state, 12, 2);
    // Ten rankings would enter in tour 3 of the first one.
    Store(state, {Solution({2, 2, 3, 5}), Solution({2, 2, 3, 3, 2})});
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.FormShow();
    EXPECT_EQ(state.StoredSolutions, 1);
    EXPECT_EQ(state.Solutions[1], Solution({2, 2, 3, 3, 2}));

    // Shown as the one solution, it is drawn as far as it goes, with its verdict.
    state.SingleSolution = true;
    state.Solutions[1] = Solution({2, 2, 3, 5});
    state.StoredSolutions = 0;
    view.FormShow();
    EXPECT_EQ(LabelsWithText(
                  page, QStringLiteral("Solution incorrecte, une marche dépasse 8 classements"))
                  .size(),
              1);
    EXPECT_EQ(LabelsWithText(page, QStringLiteral("1 (R10)")).size(), 1);
    EXPECT_TRUE(LabelsWithText(page, QStringLiteral("1 (R11)")).isEmpty());
}

TEST(StaircaseView, NavigationButtonsAndKeys) {
    StaircaseState state;
    SetThreeRankings(state);
    for (int k = 1; k <= 5; ++k) {
        state.Solutions[k] = Solution({2, 2, 3, 1});
    }
    state.StoredSolutions = 5;
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.FormShow();
    EXPECT_EQ(view.CurrentSolution, 1);
    EXPECT_FALSE(view.PreviousEnabled);
    EXPECT_TRUE(view.NextEnabled);

    // End shows the last stored solution, enables Previous and leaves Next as it was.
    view.End();
    EXPECT_EQ(view.CurrentSolution, 5);
    EXPECT_TRUE(view.PreviousEnabled);
    EXPECT_TRUE(view.NextEnabled);
    EXPECT_EQ(Caption(page, StaircaseViewLogic::SolutionLabelName()),
              QStringLiteral("Solution 5 sur 5 traitée(s)"));
    view.Next();  // nothing follows: Next is disabled, solution 5 stays
    EXPECT_EQ(view.CurrentSolution, 5);
    EXPECT_FALSE(view.NextEnabled);

    // Home shows solution 1, enables Next and keeps Previous as it was.
    EXPECT_TRUE(view.KeyDown(Qt::Key_Home));
    EXPECT_EQ(view.CurrentSolution, 1);
    EXPECT_TRUE(view.NextEnabled);
    EXPECT_TRUE(view.PreviousEnabled);
    // Previous at solution 1 disables Previous and shows solution 1 again.
    EXPECT_TRUE(view.KeyDown(Qt::Key_PageUp));
    EXPECT_EQ(view.CurrentSolution, 1);
    EXPECT_FALSE(view.PreviousEnabled);
    EXPECT_EQ(Caption(page, StaircaseViewLogic::SolutionLabelName()),
              QStringLiteral("Solution 1 sur 5 traitée(s)"));

    EXPECT_TRUE(view.KeyDown(Qt::Key_Right));
    EXPECT_EQ(view.CurrentSolution, 2);
    EXPECT_TRUE(view.KeyDown(Qt::Key_PageDown));
    EXPECT_EQ(view.CurrentSolution, 3);
    EXPECT_TRUE(view.KeyDown(Qt::Key_Left));
    EXPECT_EQ(view.CurrentSolution, 2);
    EXPECT_FALSE(view.KeyDown(Qt::Key_Down));  // the arrows up and down edit a staircase
}

TEST(StaircaseView, EndWithoutStoredSolutionsShowsTheFirst) {
    StaircaseState state;
    SetRankings(state, {{"A", 8}, {"B", 12}}, 4);
    state.SingleSolution = true;
    state.Solutions[1] = Solution({4, 4, 4, 4, 4});
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.FormShow();
    view.End();
    EXPECT_EQ(view.CurrentSolution, 1);
    EXPECT_FALSE(view.NextEnabled);
    EXPECT_TRUE(view.PreviousEnabled);
    EXPECT_EQ(Caption(page, StaircaseViewLogic::SolutionLabelName()),
              QStringLiteral("Solution trouvée"));
}

TEST(StaircaseView, NextAtTheLastPlaceDoesNothing) {
    StaircaseState state;
    SetThreeRankings(state);
    for (int k = 1; k <= 200; ++k) {
        state.Solutions[k] = Solution({2, 2, 3, 1});
    }
    state.StoredSolutions = 200;
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.FormShow();
    view.End();
    EXPECT_EQ(view.CurrentSolution, 200);
    EXPECT_FALSE(view.NextEnabled);  // the last place of the table
    view.NextEnabled = true;
    page.add(PageItem{});  // a redraw would take it away
    const int items = page.count();
    view.Next();
    EXPECT_EQ(page.count(), items);
    EXPECT_EQ(view.CurrentSolution, 200);
    EXPECT_TRUE(view.NextEnabled);
}

TEST(StaircaseView, ManualEntryKeepsThePage) {
    StaircaseState state;
    SetThreeRankings(state);
    Store(state, {Solution({2, 2, 2, 2}), Solution({2, 2, 3, 1})});
    state.ManualEntry = true;
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    page.add(PageItem{});
    view.FormShow();
    EXPECT_EQ(page.count(), 3);
    EXPECT_EQ(state.StoredSolutions, 2);
    view.Next();
    EXPECT_EQ(view.CurrentSolution, 2);
    EXPECT_EQ(page.count(), 3);
}

TEST(StaircaseView, EndAtOneSolutionWithoutQualifierStaysOnAPlace) {
    // A stored solution whose first figure is 0 cannot come from a search; End must still
    // show a place of the table.
    StaircaseState state;
    SetThreeRankings(state);
    state.Solutions[1] = Solution({0, 2, 3, 1});
    state.StoredSolutions = 1;
    state.QualifiersOut = 0;
    Page page;
    StaircaseViewLogic view(state, page, BusyCursor::none());
    view.End();
    EXPECT_EQ(view.CurrentSolution, 1);
    EXPECT_FALSE(view.NextEnabled);
}
