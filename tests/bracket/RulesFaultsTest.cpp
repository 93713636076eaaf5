#include "RulesTestSupport.h"

#include "bracket/DrawSnapshot.h"
#include "bracket/RulesCheck.h"

// The check where its first design went wrong: each test shows the sound behaviour.

namespace {

using namespace rules;

using RulesFaultsTest = RulesFixture;

qsizetype occurrences(const QString& text, const char* part) {
    return text.count(QString::fromUtf8(part));
}

}  // namespace

TEST_F(RulesFaultsTest, OutgoingQualifierMarksAreCheckedWhenHiddenBranchesTookTheirNames) {
    check(8, {{1, lineOf(Entrant, "30")}, {13, lineOf(Out, "", 1)}, {15, lineOf(Out, "", 2)}}, 2,
          true);
    ASSERT_EQ(item(ItemKeys::Name, 3, 13), nullptr);
    EXPECT_TRUE(banner().visible);
    EXPECT_TRUE(markedRed(at(ItemKeys::OutgoingQualifier, 3, 13)));
    EXPECT_EQ(at(ItemKeys::OutgoingQualifier, 3, 13).hint, FindingMarks::QualifiersOutHint());
}

TEST_F(RulesFaultsTest, UnnumberedQualifiersAreMarkedOnlyWhereTheirOwnPairMeets) {
    check(8,
          {{1, lineOf(In, "")},
           {2, lineOf(In, "")},
           {5, lineOf(In, "")},
           {6, lineOf(Entrant, "NC")},
           {13, lineOf(Out, "", 1)}},
          1);
    EXPECT_TRUE(markedRed(at(ItemKeys::IncomingQualifier, 1, 1)));
    EXPECT_TRUE(markedRed(at(ItemKeys::IncomingQualifier, 1, 2)));
    EXPECT_FALSE(markedRed(at(ItemKeys::IncomingQualifier, 1, 5)));
    // A red banner always says why.
    EXPECT_TRUE(banner().visible);
    EXPECT_EQ(banner().hint, alarm("Interdit de faire rencontrer 2 Qualifiés Entrant au premier "
                                   "tour dans ce tableau."));
}

TEST_F(RulesFaultsTest, ASeedWithoutNumberIsNoSeedOfTheOrder) {
    check(8, {{1, lineOf(Seed, "30", 1)}, {3, lineOf(Seed, "15/2", 0)}});
    EXPECT_EQ(occurrences(banner().hint, "N°0"), 0);
    EXPECT_FALSE(banner().visible);
    EXPECT_FALSE(at(ItemKeys::SeedCircle, 1, 3).brushColor.isValid());
}

TEST_F(RulesFaultsTest, EachPairOfQualifiersIsToldOnce) {
    // 1 meets 3 and 2 meets 4: two pairs, four records.
    check(8,
          {{1, lineOf(In, "", 1)},
           {2, lineOf(In, "", 3)},
           {3, lineOf(In, "", 2)},
           {4, lineOf(In, "", 4)},
           {13, lineOf(Out, "", 1)}},
          1);
    EXPECT_EQ(occurrences(banner().hint, "Interdit de faire rencontrer"), 2);
    for (int line = 1; line <= 4; ++line) {
        EXPECT_TRUE(markedRed(at(ItemKeys::IncomingQualifier, 1, line))) << line;
    }
}

TEST_F(RulesFaultsTest, ARankingSharingItsKeyWithAnotherDoesNotMarkTheOthersLines) {
    // N°10 enters over three rounds; N°100 shares its key "N°10" on line 10.
    check(8, {{1, lineOf(Entrant, "N°10")},
              {9, lineOf(Entrant, "N°10")},
              {10, lineOf(Entrant, "N°100")},
              {13, lineOf(Entrant, "N°10")}});
    EXPECT_EQ(banner().hint, alarm("Classement N°10 sur plus de 2 tours."));
    EXPECT_TRUE(markedRed(at(ItemKeys::Name, 1, 1)));
    EXPECT_TRUE(markedRed(at(ItemKeys::Name, 2, 9)));
    EXPECT_TRUE(markedRed(at(ItemKeys::Name, 3, 13)));
    EXPECT_FALSE(markedRed(at(ItemKeys::Name, 2, 10)));
}

TEST_F(RulesFaultsTest, AnEntrantWithoutNameGetsNoKeyButANamelessSeedCounts) {
    std::vector<BracketLine> lines(15);
    for (int number = 1; number <= 15; ++number) {
        lines[static_cast<std::size_t>(number - 1)].FicheNumero = number;
    }
    const auto seed = [&](int number, int seedNumber, const char* nom) {
        BracketLine& line = lines[static_cast<std::size_t>(number - 1)];
        line.Position = Seed;
        line.Numero = seedNumber;
        line.Nom = QString::fromUtf8(nom);
    };
    lines[1].Position = Entrant;  // line 2: a nameless entrant
    seed(1, 1, "");               // a nameless seed in round 1
    seed(9, 2, "30");
    seed(13, 3, "NC");
    seed(15, 4, "NC");
    const DrawSnapshot draw = DrawSnapshot::Of(lines);
    const RankingOrderList order(
        {QStringLiteral("NC"), QStringLiteral("30"), QStringLiteral("15/2")});
    const RuleFindings findings = RulesCheck(draw, order, 8, 0).Run();
    EXPECT_EQ(findings.find(QString()), nullptr);
    // The seeds span four rounds only because the nameless one counts.
    const RuleFinding* seeds = findings.find(QStringLiteral("TS"));
    ASSERT_NE(seeds, nullptr);
    EXPECT_EQ(seeds->NBTrouve, 4);
    EXPECT_EQ(seeds->NumTourDeb, 1);
    EXPECT_EQ(seeds->NumTourFin, 4);
}
