#include "CliRunner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <utility>

namespace {

QString Example() {
    return TestData("example.txt");
}

// Every line of a help fits a terminal of 80 columns.
int LongestLine(const QByteArray& text) {
    int longest = 0;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        longest = std::max(longest, static_cast<int>(line.size()));
    }
    return longest;
}

}  // namespace

TEST(CliUsage, TheHelpComesFromTheDeclarationsOfEveryCommand) {
    CliRun run = RunCli({QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0);
    const QString program = QString::fromUtf8(run.out);
    for (const char* command : {"input", "tel-draw", "solve", "tee-skeleton"}) {
        EXPECT_TRUE(program.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command))))
            << command;
    }
    EXPECT_TRUE(program.contains(QStringLiteral("--version")));
    EXPECT_LE(LongestLine(run.out), 79);

    run = RunCli({QStringLiteral("tee-skeleton"), QStringLiteral("--help")});
    ASSERT_EQ(run.exitCode, 0);
    const QString command = QString::fromUtf8(run.out);
    EXPECT_TRUE(command.startsWith(
        QStringLiteral("Usage : orvanel-cli tee-skeleton FICHIER --solution K [options]\n")));
    // Its own options, those of the search it shares with solve, and the common ones.
    for (const char* option : {"--solution K", "--data DOSSIER", "--max-tours N", "--keep-spread",
                               "--json", "-h, --help"}) {
        EXPECT_TRUE(command.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(option))))
            << option;
    }
    EXPECT_LE(LongestLine(run.out), 79);

    // The help wins over the rest of the line.
    run = RunCli({QStringLiteral("solve"), QStringLiteral("--bogus"), QStringLiteral("-h")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage : orvanel-cli solve FICHIER [options]\n"));
}

TEST(CliUsage, TheVersionIsTheProjectVersion) {
    const CliRun run = RunCli({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral("orvanel-cli " ORVANEL_PROJECT_VERSION "\n"));
}

TEST(CliUsage, AValueFollowsItsOptionOrAnEqualsSign) {
    const CliRun spaced = RunCli({QStringLiteral("solve"), Example(), QStringLiteral("--couples"),
                                  QStringLiteral("2"), QStringLiteral("--json")});
    const CliRun joined = RunCli({QStringLiteral("solve"), Example(), QStringLiteral("--couples=2"),
                                  QStringLiteral("--json")});
    ASSERT_EQ(spaced.exitCode, 0);
    EXPECT_EQ(joined.exitCode, 0);
    EXPECT_EQ(joined.out, spaced.out);
}

// A line that does not make a command exits with 2 before anything runs: the reason
// first, then the usage line; with --json the reason as {"error": ...}.
TEST(CliUsage, ALineThatDoesNotFitExitsWithTwoAndTheReasonInFrench) {
    const std::pair<QStringList, QString> lines[] = {
        {{}, QStringLiteral("Il manque la commande.")},
        {{QStringLiteral("draw")}, QStringLiteral("Commande inconnue : « draw ».")},
        {{QStringLiteral("input")}, QStringLiteral("Il manque l'argument FICHIER.")},
        {{QStringLiteral("input"), Example(), QStringLiteral("autre.txt")},
         QStringLiteral("Argument en trop : « autre.txt ».")},
        {{QStringLiteral("input"), Example(), QStringLiteral("--build")},
         QStringLiteral("Option inconnue : « --build ».")},
        {{QStringLiteral("solve"), Example(), QStringLiteral("--couples")},
         QStringLiteral("Il manque la valeur de --couples.")},
        {{QStringLiteral("tel-draw"), Example(), QStringLiteral("--build=oui")},
         QStringLiteral("L'option --build ne prend pas de valeur.")},
    };
    for (const auto& [words, reason] : lines) {
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.exitCode, 2) << reason.toStdString();
        EXPECT_EQ(run.firstErrorLine(), reason);
        EXPECT_TRUE(QString::fromUtf8(run.err)
                        .section(QLatin1Char('\n'), 1)
                        .startsWith(QStringLiteral("Usage : orvanel-cli ")))
            << reason.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }

    const CliRun json = RunCli({QStringLiteral("solve"), Example(), QStringLiteral("--max-tours=3"),
                                QStringLiteral("--json")});
    EXPECT_EQ(json.exitCode, 2);
    EXPECT_EQ(json.json().value(QStringLiteral("error")).toString(),
              QStringLiteral("Le nombre de tours doit être compris entre 4 et 9."));
    EXPECT_TRUE(json.err.isEmpty());
}
