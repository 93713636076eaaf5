#include "SkeletonTestSupport.h"

#include "drawtable/DrawLines.h"
#include "staircase/SkeletonWriter.h"

#include <QFile>

using StaggeredFailure = SkeletonFixture;

// Q = 2, a draw of 8: tour 1 has five entrants for the four lines of its column.
TEST_F(StaggeredFailure, EntrantsThatDoNotFitEndTheTourAndTheNextTourStillRuns) {
    state_.QualifiersOut = 2;
    state_.Dimension = 8;
    setTour(1, 6, 1, {{"A", 5}});
    setTour(2, 2, 0, {{"B", 2}});
    ASSERT_TRUE(build(2));
    const QString incomplete = QStringLiteral("Solution incorrecte et incomplète...");
    // One message for tour 1, one for tour 2, whose branches tour 1 all closed.
    EXPECT_EQ(prompter_.texts(), (QStringList{incomplete, incomplete}));
    EXPECT_EQ(state_.SkeletonErrorCount, 2);
    EXPECT_EQ(state_.SkeletonErrorText, incomplete);
    const auto lines = built();
    expectFinished(lines, 8);
    // What was placed before the problem stays.
    for (int line = 9; line <= 12; ++line) {
        EXPECT_EQ(lines.at(line).nom, QStringLiteral("A")) << line;
    }
}

// The seeds carry the position numbers over into tour 2, whose balanced tour then fails
// attempt after attempt until the number runs past the column: the entrant takes the
// first free line of the column instead.
TEST_F(StaggeredFailure, APositionNumberPastTheColumnTakesItsFirstFreeLine) {
    state_.QualifiersOut = 2;
    state_.Dimension = 8;
    state_.Seeds = 8;
    setTour(1, 4, 2, {{"A", 2}});
    setTour(2, 8, 4, {{"B", 4}});
    ASSERT_TRUE(build(2));
    EXPECT_EQ(state_.SkeletonErrorCount, 0);
    const auto lines = built();
    expectFinished(lines, 8);
    EXPECT_EQ(lines.at(3).numero.toInt(), 3);
    EXPECT_EQ(lines.at(6).numero.toInt(), 4);
    EXPECT_EQ(lines.at(4).numero.toInt(), 5);
    EXPECT_EQ(lines.at(5).numero.toInt(), 6);
    EXPECT_EQ(lines.at(5).position, DrawLine::Seed);
}

TEST_F(StaggeredFailure, ATourWithMoreEntrantsThanItsEntriesHoldStopsAtTheLastEntry) {
    state_.QualifiersOut = 4;
    state_.Dimension = 8;
    setTour(1, 8, 0, {{"A", 2}, {"B", 1}});
    ASSERT_TRUE(build(1));
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("Solution incorrecte et incomplète...")});
    int entrants = 0;
    for (const auto& [number, line] : built()) {
        entrants += line.position == DrawLine::Entrant ? 1 : 0;
    }
    EXPECT_EQ(entrants, 3);
}

TEST_F(StaggeredFailure, ATakenLineIsNotWrittenAndTheProblemIsTold) {
    RecordTable table(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Tmpaaaa.db"));
    ASSERT_TRUE(table.Open());
    ASSERT_TRUE(DrawLines::FillNumbered(table, 7));
    SkeletonWriter writer(table, 4, state_, prompter_);
    ASSERT_TRUE(writer.MetDonneesBD(2, 7, QStringLiteral("15/2"), DrawLine::Entrant, 2));
    EXPECT_FALSE(writer.MetDonneesBD(2, 8, QStringLiteral("N°5"), DrawLine::Entrant, 2));
    ASSERT_TRUE(writer.MetDonneesBD(1, 0, QString(), DrawLine::IncomingQualifier, 1));
    // A qualifier line has no name, yet it is taken.
    EXPECT_FALSE(writer.MetDonneesBD(1, 0, QString(), DrawLine::IncomingQualifier, 1));
    EXPECT_EQ(prompter_.texts(),
              (QStringList{QStringLiteral("Problème de mise en place d'un classement N°5\n"
                                          "Escalier non exploitable."),
                           QStringLiteral("Problème de mise en place de qualifié entrant\n"
                                          "Escalier non exploitable.")}));
    EXPECT_EQ(state_.SkeletonErrorCount, 2);
    ASSERT_TRUE(table.FindKey({6}));
    EXPECT_EQ(table.text(DrawLine::Nom), QStringLiteral("15/2"));
    EXPECT_EQ(table.integer(DrawLine::Numero), 7);
}

TEST_F(StaggeredFailure, ATableThatCannotBeOpenedIsTold) {
    QFile file(dir_.filePath(QStringLiteral("Tmpaaaa.db")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, 'x'));
    file.close();
    state_.QualifiersOut = 1;
    state_.Dimension = 2;
    EXPECT_FALSE(build(1));
    EXPECT_EQ(state_.SkeletonErrorCount, 1);
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts().first().contains(QStringLiteral("n'est pas une table")));
}
