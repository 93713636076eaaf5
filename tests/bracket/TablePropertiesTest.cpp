#include "bracket/BracketSettings.h"
#include "bracket/TableProperties.h"

#include <gtest/gtest.h>

TEST(TableProperties, TheDialogShowsTheSettingsAndThePowerOfTwoOfTheDimension) {
    BracketSettings settings;
    settings.HideEmptyBranches = true;
    settings.EndBranches = true;
    struct Case {
        int dimension;
        int dialogDimension;
        int item;
        bool endBranchesEnabled;
    };
    for (const Case& c :
         {Case{32, 32, 5, true}, Case{24, 32, 5, false}, Case{8, 8, 3, true}, Case{2, 2, 1, true},
          Case{1024, 1024, 10, true}, Case{0, 1, -1, false}, Case{2048, 2048, -1, true}}) {
        const TableProperties shown = TableProperties::Of(settings, c.dimension);
        EXPECT_EQ(shown.Dimension, c.dialogDimension) << c.dimension;
        EXPECT_EQ(shown.DimensionItem(), c.item) << c.dimension;
        EXPECT_EQ(shown.EndBranchesEnabled, c.endBranchesEnabled) << c.dimension;
        EXPECT_FALSE(shown.WithEmptyBranches);
        EXPECT_TRUE(shown.EndBranches);
        EXPECT_TRUE(shown.WithoutFrame);
        EXPECT_EQ(shown.Percent, 100);
    }
    settings.HideEmptyBranches = false;
    EXPECT_TRUE(TableProperties::Of(settings, 8).WithEmptyBranches);
}

TEST(TableProperties, OkSetsTheBranchesAndTheGeometryOfTheDisplayValue) {
    TableProperties chosen;
    chosen.WithEmptyBranches = true;
    chosen.EndBranches = true;
    BracketSettings settings;
    chosen.ApplyTo(settings);
    EXPECT_FALSE(settings.HideEmptyBranches);
    EXPECT_TRUE(settings.EndBranches);

    struct Case {
        int percent;
        int unit;
        int width;
    };
    for (const Case& c : {Case{50, 5, 25}, Case{100, 10, 50}, Case{150, 15, 75}, Case{170, 17, 85},
                          Case{200, 20, 100}}) {
        chosen.Percent = c.percent;
        EXPECT_EQ(chosen.Geometry().VerticalUnit, c.unit) << c.percent;
        EXPECT_EQ(chosen.Geometry().LineWidth, c.width) << c.percent;
        EXPECT_EQ(chosen.Geometry().ColumnStep, c.width) << c.percent;
        EXPECT_EQ(chosen.Reopens(), c.percent == 100);
    }
}

TEST(TableProperties, OnlyTheValuesOfTheSpinEditAreOffered) {
    for (int percent : {50, 60, 100, 190, 200}) {
        EXPECT_TRUE(TableProperties::Offered(percent)) << percent;
    }
    for (int percent : {0, 40, 55, 210, -100}) {
        EXPECT_FALSE(TableProperties::Offered(percent)) << percent;
    }
}
