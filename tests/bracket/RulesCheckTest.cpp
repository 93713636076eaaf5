#include "RulesTestSupport.h"

// A draw of 8: round 1 holds lines 1 to 8, round 2 lines 9 to 12, round 3 lines 13 and 14,
// and line 15 is the winner's.

namespace {

using namespace rules;

using RulesCheckTest = RulesFixture;

}  // namespace

TEST_F(RulesCheckTest, ARankingMayEnterOverTwoRoundsButNotThree) {
    check(8, {{1, lineOf(Entrant, "30")}, {9, lineOf(Entrant, "30")}});
    EXPECT_FALSE(banner().visible);
    EXPECT_EQ(banner().background, BracketColors::Normal);
    EXPECT_EQ(banner().hint, QStringLiteral("Toutes les règles sont respectées."));
    EXPECT_FALSE(markedRed(at(ItemKeys::Name, 1, 1)));
    // A reset keeps the name label transparent.
    EXPECT_TRUE(at(ItemKeys::Name, 1, 1).transparent);

    check(8, {{1, lineOf(Entrant, "30")}, {9, lineOf(Entrant, "30")}, {13, lineOf(Entrant, "30")}});
    EXPECT_TRUE(banner().visible);
    EXPECT_EQ(banner().background, BracketColors::Red);
    EXPECT_EQ(banner().hint, alarm("Classement 30 sur plus de 2 tours."));
    for (const auto& [round, line] : {std::pair{1, 1}, {2, 9}, {3, 13}}) {
        const PageItem& name = at(ItemKeys::Name, round, line);
        EXPECT_TRUE(markedRed(name)) << line;
        EXPECT_TRUE(name.font.underline) << line;
        EXPECT_EQ(name.hint, FindingMarks::RankingSpanHint()) << line;
    }
}

TEST_F(RulesCheckTest, AWeakerRankingEnteringBehindABetterOneMarksItsFirstLine) {
    check(8, {{1, lineOf(Entrant, "15/2")}, {9, lineOf(Entrant, "30")}});
    EXPECT_TRUE(markedRed(at(ItemKeys::Name, 2, 9)));
    EXPECT_EQ(at(ItemKeys::Name, 2, 9).hint, FindingMarks::RankingBehindHint());
    EXPECT_FALSE(markedRed(at(ItemKeys::Name, 1, 1)));
    EXPECT_EQ(banner().hint,
              alarm("Un joueur rentre plus loin qu'un joueur de classement supérieur au sien."));

    // The better ranking entering later breaks nothing.
    check(8, {{1, lineOf(Entrant, "30")}, {9, lineOf(Entrant, "15/2")}});
    EXPECT_FALSE(banner().visible);
}

TEST_F(RulesCheckTest, SeedsAreCheckedInNumberOrderUpToTheFirstNumberMissing) {
    // Seeds 1 and 2 are in order; the walk stops at the missing 3, so the record of seed 4
    // stays and is told, though seed 4 is the weakest.
    check(8,
          {{1, lineOf(Seed, "15/2", 1)}, {3, lineOf(Seed, "30", 2)}, {5, lineOf(Seed, "NC", 4)}});
    EXPECT_EQ(banner().hint, alarm("La Tête de Série N°4 a un classement supérieur à la Tête "
                                   "de Série précédente."));
    const PageItem& circle = at(ItemKeys::SeedCircle, 1, 5);
    EXPECT_EQ(circle.brushColor, BracketColors::Red);
    EXPECT_EQ(circle.hint, FindingMarks::SeedOrderHint());
    EXPECT_TRUE(circle.showHint);
    EXPECT_TRUE(at(ItemKeys::SeedNumber, 1, 5).font.underline);
    EXPECT_TRUE(at(ItemKeys::SeedNumber, 1, 5).transparent);
    EXPECT_FALSE(at(ItemKeys::SeedCircle, 1, 1).brushColor.isValid());
    EXPECT_FALSE(at(ItemKeys::SeedNumber, 1, 3).font.underline);
    EXPECT_EQ(at(ItemKeys::Name, 1, 5).textColor, BracketColors::Blue);

    // Seed 2 better than seed 1.
    check(8, {{1, lineOf(Seed, "30", 1)}, {3, lineOf(Seed, "15/2", 2)}});
    EXPECT_EQ(banner().hint, alarm("La Tête de Série N°2 a un classement supérieur à la Tête "
                                   "de Série précédente."));
    EXPECT_EQ(at(ItemKeys::SeedCircle, 1, 3).brushColor, BracketColors::Red);
}

TEST_F(RulesCheckTest, SeedsOverFourRoundsFillEveryCircleLightRed) {
    check(8, {{1, lineOf(Seed, "N°4", 4)},
              {9, lineOf(Seed, "N°3", 3)},
              {13, lineOf(Seed, "N°2", 2)},
              {15, lineOf(Seed, "N°1", 1)}});
    EXPECT_EQ(banner().hint, alarm("\n\"Les Têtes de Série sont sur plus de 3 tours.\""));
    for (const auto& [round, line] : {std::pair{1, 1}, {2, 9}, {3, 13}, {4, 15}}) {
        const PageItem& circle = at(ItemKeys::SeedCircle, round, line);
        EXPECT_EQ(circle.brushColor, BracketColors::LightRed) << line;
        EXPECT_EQ(circle.hint, FindingMarks::SeedSpanHint()) << line;
        EXPECT_TRUE(at(ItemKeys::SeedNumber, round, line).font.underline) << line;
    }

    // Over three rounds they keep the rule.
    check(8,
          {{1, lineOf(Seed, "N°3", 3)}, {9, lineOf(Seed, "N°2", 2)}, {13, lineOf(Seed, "N°1", 1)}});
    EXPECT_FALSE(banner().visible);
}

TEST_F(RulesCheckTest, PairedIncomingQualifiersAreAllowedOnlyInAFinalDrawEnteredInOneRound) {
    std::map<int, TestLine> lines{{1, lineOf(In, "", 1)}, {2, lineOf(In, "", 2)}};
    for (int line = 3; line <= 8; ++line) {
        lines[line] = lineOf(Entrant, "30");
    }
    check(8, lines, 0);
    EXPECT_FALSE(banner().visible);
    EXPECT_FALSE(markedRed(at(ItemKeys::IncomingQualifier, 1, 1)));

    lines[13] = lineOf(Out, "", 1);
    lines[14] = lineOf(Out, "", 2);
    check(8, lines, 2);
    EXPECT_EQ(banner().hint, alarm("Interdit de faire rencontrer 2 Qualifiés Entrant au premier "
                                   "tour dans ce tableau."));
    for (int line : {1, 2}) {
        const PageItem& mark = at(ItemKeys::IncomingQualifier, 1, line);
        EXPECT_TRUE(markedRed(mark)) << line;
        EXPECT_TRUE(mark.font.bold && mark.font.underline) << line;
        EXPECT_EQ(mark.hint, FindingMarks::QualifierPairHint()) << line;
        EXPECT_EQ(at(ItemKeys::Name, 1, line).textColor, BracketColors::Red) << line;
    }
}

TEST_F(RulesCheckTest, IncomingQualifiersOverThreeRoundsAreMarked) {
    check(8, {{1, lineOf(In, "", 1)}, {9, lineOf(In, "", 2)}, {13, lineOf(In, "", 3)}});
    EXPECT_EQ(banner().hint, alarm("\nLes Qualifiés Entrants sont sur plus de 2 tours."));
    for (const auto& [round, line] : {std::pair{1, 1}, {2, 9}, {3, 13}}) {
        EXPECT_TRUE(markedRed(at(ItemKeys::IncomingQualifier, round, line))) << line;
        EXPECT_EQ(at(ItemKeys::IncomingQualifier, round, line).hint,
                  FindingMarks::QualifiersInSpanHint());
    }
}

TEST_F(RulesCheckTest, OutgoingQualifiersInTwoRoundsAreEachMarked) {
    check(8, {{1, lineOf(Entrant, "30")}, {13, lineOf(Out, "", 1)}, {15, lineOf(Out, "", 2)}}, 2);
    EXPECT_EQ(banner().hint, alarm("\nLes Qualifiés Sortants ne sont pas sur le même tour."));
    for (const auto& [round, line] : {std::pair{3, 13}, {4, 15}}) {
        const PageItem& mark = at(ItemKeys::OutgoingQualifier, round, line);
        EXPECT_TRUE(markedRed(mark)) << line;
        EXPECT_EQ(mark.hint, FindingMarks::QualifiersOutHint()) << line;
    }

    check(8, {{1, lineOf(Entrant, "30")}, {13, lineOf(Out, "", 1)}, {14, lineOf(Out, "", 2)}}, 2);
    EXPECT_FALSE(banner().visible);
    EXPECT_FALSE(markedRed(at(ItemKeys::OutgoingQualifier, 3, 13)));
    EXPECT_EQ(at(ItemKeys::Name, 3, 13).textColor, BracketColors::Green);
}

TEST_F(RulesCheckTest, UnequalCompressionsAndRepeatedRankingsAreRecommendedInYellow) {
    // Rec2: the matches feeding line 13 bring a 30 (lines 1, 2) and a 15/2 (lines 3, 4).
    check(8, {{1, lineOf(Entrant, "30")},
              {2, lineOf(Entrant, "30")},
              {3, lineOf(Entrant, "15/2")},
              {4, lineOf(Entrant, "15/2")}});
    EXPECT_FALSE(banner().visible);
    for (int line : {1, 3}) {
        const PageItem& ranking = at(ItemKeys::Ranking, 1, line);
        EXPECT_EQ(ranking.text, QStringLiteral("Rec")) << line;
        EXPECT_EQ(ranking.background, BracketColors::Yellow) << line;
        EXPECT_FALSE(ranking.transparent) << line;
        EXPECT_EQ(ranking.hint, FindingMarks::RecommendationHint(QStringLiteral("Rec2")));
    }
    // The check empties the other ranking labels and switches their hints off.
    EXPECT_EQ(at(ItemKeys::Ranking, 1, 2).text, QString());
    EXPECT_FALSE(at(ItemKeys::Ranking, 1, 2).showHint);

    // Rec3: the 30 entering on line 9 meets the 30 of line 3 right after its first match.
    check(8, {{3, lineOf(Entrant, "30")}, {4, lineOf(Entrant, "40")}, {9, lineOf(Entrant, "30")}});
    EXPECT_EQ(at(ItemKeys::Ranking, 2, 9).hint,
              FindingMarks::RecommendationHint(QStringLiteral("Rec3")));
    EXPECT_EQ(at(ItemKeys::Ranking, 1, 3).hint,
              FindingMarks::RecommendationHint(QStringLiteral("Rec3")));
    EXPECT_EQ(at(ItemKeys::Ranking, 1, 4).text, QString());
}

TEST_F(RulesCheckTest, AQualifierShouldMeetTheWeakestDirectEntrants) {
    std::map<int, TestLine> lines{{1, lineOf(In, "")}, {2, lineOf(Entrant, "15/2")}};
    for (int line = 3; line <= 8; ++line) {
        lines[line] = lineOf(Entrant, "NC");
    }
    check(8, lines);
    const PageItem& mark = at(ItemKeys::IncomingQualifier, 1, 1);
    EXPECT_EQ(mark.text, QStringLiteral(" q "));
    EXPECT_EQ(mark.background, BracketColors::Yellow);
    EXPECT_EQ(mark.hint, FindingMarks::RecommendationHint(QStringLiteral("Rec1")));

    // On a mark already red for a rule, the recommendation is added to the rule's hint.
    lines[9] = lineOf(In, "");
    lines[13] = lineOf(In, "");
    check(8, lines);
    EXPECT_TRUE(markedRed(at(ItemKeys::IncomingQualifier, 1, 1)));
    EXPECT_EQ(at(ItemKeys::IncomingQualifier, 1, 1).text, QStringLiteral("q"));
    EXPECT_EQ(at(ItemKeys::IncomingQualifier, 1, 1).hint,
              FindingMarks::QualifiersInSpanHint() + QStringLiteral("\n") +
                  FindingMarks::RecommendationHint(QStringLiteral("Rec1")));

    // The weakest entrant as first opponent is what is recommended.
    lines.erase(9);
    lines.erase(13);
    lines[2] = lineOf(Entrant, "NC");
    lines[3] = lineOf(Entrant, "15/2");
    check(8, lines);
    EXPECT_EQ(at(ItemKeys::IncomingQualifier, 1, 1).text, QStringLiteral("q"));
    EXPECT_FALSE(at(ItemKeys::IncomingQualifier, 1, 1).showHint &&
                 !at(ItemKeys::IncomingQualifier, 1, 1).hint.isEmpty());
}

TEST_F(RulesCheckTest, WithoutTheRankingOrderListTheCheckWarnsAndComparesNoRanking) {
    std::map<int, TestLine> lines{{1, lineOf(In, "")},
                                  {2, lineOf(Entrant, "15/2")},
                                  {3, lineOf(Entrant, "NC")},
                                  {9, lineOf(Entrant, "NC")}};
    const RulesVerification::Report report =
        check(8, lines, 0, false, dir_.filePath(QStringLiteral("ZECLASS.TXT")));
    ASSERT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé.")});
    ASSERT_FALSE(report.messages.isEmpty());
    EXPECT_EQ(report.messages[0].kind, RulesVerification::Message::Kind::Warning);
    // No Rec1 on the qualifier, no rule 2 on the NC entering behind a 15/2.
    EXPECT_EQ(at(ItemKeys::IncomingQualifier, 1, 1).text, QStringLiteral("q"));
    EXPECT_FALSE(banner().visible);
}

TEST_F(RulesCheckTest, TheFindingsAreWrittenIntoTheRuleTablesInKeyOrder) {
    check(8, {{1, lineOf(Entrant, "30")},
              {2, lineOf(Entrant, "30")},
              {3, lineOf(Entrant, "15/2")},
              {4, lineOf(Entrant, "15/2")},
              {5, lineOf(Seed, "NC", 4)},
              {11, lineOf(Entrant, "30")},
              {13, lineOf(Entrant, "30")}});
    RecordTable rules(TableLayout::RuleFinding(), dir_.path(), QStringLiteral("TMVERIFI.DB"));
    ASSERT_TRUE(rules.Open());
    QStringList types;
    for (rules.First(); !rules.Eof(); rules.Next()) {
        types.append(rules.text(QStringLiteral("Type")));
    }
    EXPECT_EQ(types, (QStringList{QStringLiteral("30"), QStringLiteral("TS4")}));
    ASSERT_TRUE(rules.FindKey({QStringLiteral("30")}));
    EXPECT_EQ(rules.integer(QStringLiteral("NBTrouve")), 4);
    EXPECT_EQ(rules.integer(QStringLiteral("NumTourDeb")), 1);
    EXPECT_EQ(rules.integer(QStringLiteral("NumTourFin")), 3);
    EXPECT_TRUE(rules.boolean(QStringLiteral("J1ClassJ2")));  // behind the 15/2 of round 1

    RecordTable recommendations(TableLayout::RecommendationFinding(), dir_.path(),
                                QStringLiteral("TMVRFRec.db"));
    ASSERT_TRUE(recommendations.Open());
    QStringList rows;
    for (recommendations.First(); !recommendations.Eof(); recommendations.Next()) {
        rows.append(QString::number(recommendations.integer(QStringLiteral("Enregistrement"))) +
                    recommendations.text(QStringLiteral("Type")));
    }
    EXPECT_EQ(rows, (QStringList{QStringLiteral("1Rec2"), QStringLiteral("3Rec2"),
                                 QStringLiteral("11Rec3"), QStringLiteral("13Rec3")}));

    // The next check starts from empty tables.
    check(8, {});
    rules.Close();
    ASSERT_TRUE(rules.Open());
    EXPECT_EQ(rules.RecordCount(), 0);
}

TEST_F(RulesCheckTest, FindingsTheRuleTablesCannotKeepAreToldAndStillMarked) {
    host_.WorkingDirectory = dir_.filePath(QStringLiteral("absent"));
    const RulesVerification::Report report = check(
        8, {{1, lineOf(Entrant, "30")}, {9, lineOf(Entrant, "30")}, {13, lineOf(Entrant, "30")}});
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_EQ(prompter_.entries()[0].kind, Prompter::Kind::Warning);
    EXPECT_TRUE(prompter_.entries()[0].text.contains(QStringLiteral("absent")))
        << prompter_.entries()[0].text.toStdString();
    EXPECT_EQ(report.messages[0].kind, RulesVerification::Message::Kind::Warning);
    EXPECT_TRUE(banner().visible);
    EXPECT_TRUE(markedRed(at(ItemKeys::Name, 3, 13)));
}

TEST_F(RulesCheckTest, TheBannerHintIsBuiltAgainFromTheTableWhenTheMouseEntersIt) {
    check(8, {{1, lineOf(Entrant, "30")}, {9, lineOf(Entrant, "30")}, {13, lineOf(Entrant, "30")}});
    RecordTable rules(TableLayout::RuleFinding(), dir_.path(), QStringLiteral("TMVERIFI.DB"));
    ASSERT_TRUE(rules.Open());
    ASSERT_TRUE(rules.FindKey({QStringLiteral("30")}));
    rules.setInteger(QStringLiteral("NumTourFin"), 4);
    rules.setText(QStringLiteral("Type"), QStringLiteral("NC"));
    ASSERT_TRUE(rules.Post());
    rules.Close();
    view_->BannerEntered();
    EXPECT_EQ(banner().hint, alarm("Classement NC sur plus de 2 tours."));
}
