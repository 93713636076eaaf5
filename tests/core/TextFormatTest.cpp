#include "core/TextFormat.h"

#include <gtest/gtest.h>

TEST(TextFormat, IntegersAreRightAlignedWithAtLeastOneDigit) {
    EXPECT_EQ(TextFormat::format(QStringLiteral("%2.0d"), 0), QStringLiteral(" 0"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%2.0d"), 6), QStringLiteral(" 6"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%2.0d"), 123), QStringLiteral("123"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%3.0d"), 4), QStringLiteral("  4"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%3.0d"), -4), QStringLiteral(" -4"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%d"), -12), QStringLiteral("-12"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%5.3d"), 7), QStringLiteral("  007"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%-4d|"), 7), QStringLiteral("7   |"));
}

TEST(TextFormat, TextsAreCutByThePrecision) {
    EXPECT_EQ(TextFormat::format(QStringLiteral("%4.4s"), {QStringLiteral("N°100")}),
              QStringLiteral("N°10"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%4.4s"), {QStringLiteral("NC")}),
              QStringLiteral("  NC"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%s et %s"), {QStringLiteral("a")}),
              QStringLiteral("a et "));
}

TEST(TextFormat, RealsRoundToNearestWithHalvesToEven) {
    EXPECT_EQ(TextFormat::format(QStringLiteral("%0.2f"), {1.0}), QStringLiteral("1.00"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%0.2f"), {0.125}), QStringLiteral("0.12"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%0.2f"), {0.375}), QStringLiteral("0.38"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%0.2f"), {2.0 / 3.0}), QStringLiteral("0.67"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("%0.0f"), {2.5}), QStringLiteral("2"));
}

TEST(TextFormat, MixesConversionsAndLiterals) {
    EXPECT_EQ(
        TextFormat::format(QStringLiteral("%2.0d  (%s) 100%%"), {6LL, QStringLiteral("30/5")}),
        QStringLiteral(" 6  (30/5) 100%"));
    EXPECT_EQ(TextFormat::format(QStringLiteral("Qualifiant %3.0d"), 4),
              QStringLiteral("Qualifiant   4"));
}
