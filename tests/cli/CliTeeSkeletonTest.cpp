#include "CliRunner.h"
#include "cli/SolveSession.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Rankings A 4, B 4, C 4, D 8, four outgoing qualifiers and four seeds: the direct
// staircase of four tours of four matches, on a draw of 64.
CliRun RunWorkedExample(const QStringList& more) {
    return RunCli(QStringList{QStringLiteral("tee-skeleton"), TestData("worked-example.txt"),
                              QStringLiteral("--couples"), QStringLiteral("1")} +
                  more);
}

}  // namespace

TEST(CliTeeSkeleton, BuildsTheChosenStaircaseIntoTheWorkingTable) {
    QTemporaryDir data;
    const CliRun run =
        RunWorkedExample({QStringLiteral("--solution"), QStringLiteral("1"),
                          QStringLiteral("--data"), data.path(), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    const QJsonObject result = run.json();
    EXPECT_EQ(result.keys(),
              (QStringList{QStringLiteral("dimension"), QStringLiteral("errorText"),
                           QStringLiteral("errors"), QStringLiteral("lines"),
                           QStringLiteral("messages"), QStringLiteral("tourCount")}));
    EXPECT_EQ(result.value(QStringLiteral("dimension")).toInt(), 64);
    EXPECT_EQ(result.value(QStringLiteral("tourCount")).toInt(), 4);
    EXPECT_EQ(result.value(QStringLiteral("errors")).toInt(), 0);
    EXPECT_TRUE(result.value(QStringLiteral("messages")).toArray().isEmpty());

    const QJsonArray lines = result.value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(lines.size(), 127);
    // Line number: (position, numero, nom) of every line that is not empty.
    QMap<int, QString> written;
    for (const QJsonValue& value : lines) {
        const QJsonObject line = value.toObject();
        if (line.value(QStringLiteral("position")).toInt() != 0) {
            written.insert(line.value(QStringLiteral("line")).toInt(),
                           QStringLiteral("%1 %2 %3")
                               .arg(line.value(QStringLiteral("position")).toInt())
                               .arg(line.value(QStringLiteral("numero")).toInt())
                               .arg(line.value(QStringLiteral("nom")).toString()));
        }
    }
    const QMap<int, QString> expected{
        {121, QStringLiteral("5 1 ")},  {122, QStringLiteral("5 2 ")},
        {123, QStringLiteral("5 3 ")},  {124, QStringLiteral("5 4 ")},
        {120, QStringLiteral("2 1 A")}, {113, QStringLiteral("2 2 A")},
        {115, QStringLiteral("2 3 A")}, {118, QStringLiteral("2 4 A")},
        {106, QStringLiteral("1 5 B")}, {103, QStringLiteral("1 6 B")},
        {99, QStringLiteral("1 7 B")},  {110, QStringLiteral("1 8 B")},
        {90, QStringLiteral("1 9 C")},  {71, QStringLiteral("1 10 C")},
        {79, QStringLiteral("1 11 C")}, {82, QStringLiteral("1 12 C")},
        {50, QStringLiteral("1 13 D")}, {15, QStringLiteral("1 14 D")},
        {31, QStringLiteral("1 15 D")}, {34, QStringLiteral("1 16 D")},
        {33, QStringLiteral("1 17 D")}, {32, QStringLiteral("1 18 D")},
        {16, QStringLiteral("1 19 D")}, {49, QStringLiteral("1 20 D")}};
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(QFileInfo::exists(QDir(data.path()).filePath(QStringLiteral("Tmpaaaa.db"))));
}

TEST(CliTeeSkeleton, RefusesASolutionTheViewDoesNotHold) {
    CliRun run = RunWorkedExample({QStringLiteral("--solution"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err).trimmed(),
              QStringLiteral("La solution 2 n'existe pas : l'affichage garde 1 solution(s)."));

    run = RunWorkedExample({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(), QStringLiteral("Il manque l'option --solution."));

    run = RunWorkedExample({QStringLiteral("--solution"), QStringLiteral("un")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(), QStringLiteral("'un' n'est pas une valeur entière correcte"));
}

// Twelve rankings with incoming qualifiers: the staircase build tells its overflow
// message for hundreds of candidates; the report keeps the first ones and counts the rest.
TEST(SolveSession, KeepsAtMostTheMessageLimit) {
    SimulationInput input;
    ScriptedPrompter quiet;
    ASSERT_EQ(SimulationFile::LoadSimulation(TestData("staggered-flood.txt"), input, quiet),
              SimulationFile::LoadStatus::Loaded);
    QTemporaryDir working;
    SolveSession::Options options;
    options.maxTours = 9;
    SolveSession all;
    ASSERT_TRUE(all.Run(input, options, working.path()));
    const qsizetype told = all.messages().size();
    ASSERT_GT(told, 10);

    options.messageLimit = 5;
    SolveSession limited;
    ASSERT_TRUE(limited.Run(input, options, working.path()));
    ASSERT_EQ(limited.messages().size(), 6);
    EXPECT_EQ(limited.messages().mid(0, 5), all.messages().mid(0, 5));
    EXPECT_EQ(limited.messages().last(),
              QStringLiteral("… et %1 autre(s) message(s), non repris ici.").arg(told - 5));
    EXPECT_EQ(limited.search().solutionCount, all.search().solutionCount);
}
