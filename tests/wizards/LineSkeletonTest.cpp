#include "LineStartTestSupport.h"

#include "wizards/LineSkeletonBuilder.h"

namespace {

const QString Warning = LineSkeletonBuilder::WarningMessage();

}  // namespace

using LineSkeleton = LineStartFixture;

// D = 8, B = 3, F = 1, X = 1: the two weakest play round 1, the next two meet in round 2,
// the strongest enters alone in round 2.
TEST_F(LineSkeleton, FivePlayersMakeOneMatchInEachRoundAndOneBye) {
    wizard({{"15/1", 1}, {"15/2", 1}, {"15/3", 1}, {"15/4", 1}, {"15/5", 1}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(placed(), (QStringList{QStringLiteral("5:1:-:15/4"), QStringLiteral("6:1:-:15/5"),
                                     QStringLiteral("9:1:-:15/3"), QStringLiteral("10:1:-:15/2"),
                                     QStringLiteral("12:1:-:15/1"), QStringLiteral("15:5:1:")}));
    EXPECT_EQ(prompter_.texts(), QStringList{Warning});
}

// Sixteen players, no byes: the seeds take the pairs of the strongest, the first one at
// the bottom of the draw, the second at the top.
TEST_F(LineSkeleton, SeedsTakeTheStrongestPairsAtTheEndsOfTheDraw) {
    wizard({{"N°10", 2}, {"0", 2}, {"15", 4}, {"30", 8}}, 0, 1, 2);
    ASSERT_TRUE(next(true));
    const std::map<int, LineContent> all = lines();
    const auto expect = [&](int line, int position, int numero, const char* nom) {
        EXPECT_EQ(all.at(line).position, position) << line;
        EXPECT_EQ(all.at(line).numero.toInt(), numero) << line;
        EXPECT_EQ(all.at(line).nom, QString::fromUtf8(nom)) << line;
    };
    expect(16, DrawLine::Seed, 1, "N°10");
    expect(15, DrawLine::Entrant, 0, "N°10");
    expect(1, DrawLine::Seed, 2, "0");
    expect(2, DrawLine::Entrant, 0, "0");
    int entrants = 0;
    for (int line = 1; line <= 16; ++line) {
        entrants += all.at(line).position == DrawLine::Entrant ? 1 : 0;
    }
    EXPECT_EQ(entrants, 14);
}

TEST_F(LineSkeleton, IncomingQualifiersMeetTheWeakestPlayers) {
    wizard({{"15", 2}, {"30", 2}, {"NC", 2}}, 2, 1, 0);
    ASSERT_TRUE(next(true));
    const std::map<int, LineContent> all = lines();
    int qualifiers = 0;
    for (int line = 1; line <= 8; ++line) {
        if (all.at(line).position == DrawLine::IncomingQualifier) {
            ++qualifiers;
            const int partner = line % 2 == 0 ? line - 1 : line + 1;
            EXPECT_EQ(all.at(partner).nom, QStringLiteral("NC")) << line;
            EXPECT_TRUE(all.at(line).nom.isEmpty());
            EXPECT_TRUE(all.at(line).numero.isNull());
        }
    }
    EXPECT_EQ(qualifiers, 2);
}

TEST_F(LineSkeleton, NcPlayersAmongTheSeedsLoseTheMarkButKeepTheirNumber) {
    wizard({{"NC", 4}}, 0, 1, 2);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(placed(), (QStringList{QStringLiteral("1:1:2:NC"), QStringLiteral("2:1:-:NC"),
                                     QStringLiteral("3:1:-:NC"), QStringLiteral("4:1:1:NC"),
                                     QStringLiteral("7:5:1:")}));
}

TEST_F(LineSkeleton, ASecondConstructionAsksBeforeReplacingThePlayers) {
    wizard({{"15", 3}, {"30", 3}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    const QStringList first = placed();
    prompter_.clear();
    prompter_.queueAnswer(false);
    wizard({{"15", 3}, {"30", 3}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(prompter_.texts(), QStringList{LineSkeletonBuilder::RedoQuestion()});
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Warning);
    EXPECT_TRUE(prompter_.entries().first().question);
    EXPECT_EQ(placed(), first);

    prompter_.clear();
    prompter_.queueAnswer(true);
    wizard({{"15", 3}, {"30", 2}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(prompter_.texts(), (QStringList{LineSkeletonBuilder::RedoQuestion(), Warning}));
    EXPECT_EQ(placed().size(), 6);  // five players and the outgoing line
}

namespace {

QStringList rosterRecords(const QString& location) {
    RecordTable roster(TableLayout::Roster(), location, QStringLiteral("TmpaaaJ2.db"));
    EXPECT_TRUE(roster.Open());
    EXPECT_TRUE(roster.SetIndex(QStringLiteral("ClassementDecroissant")));
    QStringList records;
    for (roster.First(); !roster.Eof(); roster.Next()) {
        records.append(QStringLiteral("%1 %2 %3 %4")
                           .arg(roster.text(QStringLiteral("Class_Simple")),
                                roster.text(QStringLiteral("Prenom")),
                                roster.isNull(QStringLiteral("NumeroClassSimple"))
                                    ? QStringLiteral("-")
                                    : roster.text(QStringLiteral("NumeroClassSimple")))
                           .arg(roster.boolean(QStringLiteral("Selectionner"))));
    }
    return records;
}

}  // namespace

TEST_F(LineSkeleton, TheRosterHoldsOneRecordPerPlayerWeakestFirst) {
    wizard({{"15", 2}, {"NC", 1}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(rosterRecords(dir_.path()),
              (QStringList{QStringLiteral("NC 1 1 0"), QStringLiteral("15 1 14 0"),
                           QStringLiteral("15 2 14 0")}));
}

// Without the list every order is empty: the roster keeps the order of the rows.
TEST_F(LineSkeleton, AMissingRankingOrderListIsToldAndTheRosterKeepsItsOrder) {
    wizard({{"15", 1}, {"30", 1}}, 0, 1, 0, dir_.filePath(QStringLiteral("ZECLASS.TXT")));
    ASSERT_TRUE(next(true));
    EXPECT_EQ(
        prompter_.texts(),
        (QStringList{QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé."), Warning}));
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Warning);
    EXPECT_EQ(rosterRecords(dir_.path()),
              (QStringList{QStringLiteral("15 1 - 0"), QStringLiteral("30 1 - 0")}));
}

TEST_F(LineSkeleton, ADrawOf1024IsBuiltAndOneOf2048IsRefused) {
    wizard({{"15", 500}, {"30", 500}}, 0, 1, 0);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(wizard_->figures().PowerDimension, 1024);
    EXPECT_EQ(prompter_.texts(), QStringList{Warning});
    EXPECT_EQ(placed().size(), 1001);

    prompter_.clear();
    wizard({{"15", 1000}, {"30", 25}}, 0, 1, 0);
    ASSERT_TRUE(next(true, true));
    EXPECT_EQ(wizard_->figures().PowerDimension, 2048);
    EXPECT_EQ(prompter_.texts(),
              (QStringList{QStringLiteral("Gestion de tableaux maximums à 1024 entrées pour "
                                          "l'Orvanel"),
                           QStringLiteral("Nombre d'entrée du tableau supérieure aux capacités "
                                          "acceptées 1024")}));
    EXPECT_EQ(shown_.LineDimension, 2048);  // the bracket view still opens
}

// Three qualifiers, ten players: the section draw of twelve puts two players on byes in
// round 2 and four matches in round 1, away from the byes' branches.
TEST_F(LineSkeleton, ASectionDrawUsesTheSectionSlots) {
    wizard({{"15", 5}, {"30", 5}}, 0, 3, 0);
    ASSERT_TRUE(next(true));
    EXPECT_EQ(placed(), (QStringList{QStringLiteral("1:1:-:30"), QStringLiteral("2:1:-:30"),
                                     QStringLiteral("3:1:-:30"), QStringLiteral("4:1:-:30"),
                                     QStringLiteral("5:1:-:30"), QStringLiteral("6:1:-:15"),
                                     QStringLiteral("9:1:-:15"), QStringLiteral("10:1:-:15"),
                                     QStringLiteral("16:1:-:15"), QStringLiteral("18:1:-:15"),
                                     QStringLiteral("19:5:1:"), QStringLiteral("20:5:2:"),
                                     QStringLiteral("21:5:3:")}));
}
