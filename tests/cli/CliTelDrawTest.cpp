#include "CliRunner.h"
#include "common/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QJsonObject runTelDraw(const QStringList& options, int* exitCode = nullptr) {
    const CliRun run = RunCli(
        QStringList{QStringLiteral("tel-draw"), TestData("example.txt"), QStringLiteral("--json")} +
        options);
    if (exitCode != nullptr) {
        *exitCode = run.exitCode;
    }
    return run.json();
}

QJsonObject line(const QJsonObject& result, const char* key, int number) {
    return result.value(QString::fromLatin1(key)).toArray().at(number - 1).toObject();
}

}  // namespace

// example.txt: 2 "30/5", 4 "40" and 6 "NC", two outgoing qualifiers, two seeds.
TEST(CliTelDraw, PrintsTheFiguresTheSkeletonAndTheHostCopy) {
    int exitCode = -1;
    const QJsonObject result =
        runTelDraw({QStringLiteral("--build"), QStringLiteral("--accept")}, &exitCode);
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(result.keys(),
              (QStringList{QStringLiteral("byes"), QStringLiteral("dimension"),
                           QStringLiteral("hostLines"), QStringLiteral("lines"),
                           QStringLiteral("messages"), QStringLiteral("nonByes"),
                           QStringLiteral("players"), QStringLiteral("powerDimension")}));
    EXPECT_EQ(result.value(QStringLiteral("players")).toInt(), 12);
    EXPECT_EQ(result.value(QStringLiteral("dimension")).toInt(), 16);
    EXPECT_EQ(result.value(QStringLiteral("byes")).toInt(), 4);
    EXPECT_EQ(result.value(QStringLiteral("nonByes")).toInt(), 8);
    EXPECT_EQ(result.value(QStringLiteral("powerDimension")).toInt(), 16);
    EXPECT_EQ(result.value(QStringLiteral("messages")).toArray().last().toString(),
              QStringLiteral("Mettre en place ce tableau ?"));
    ASSERT_EQ(result.value(QStringLiteral("lines")).toArray().size(), 31);
    ASSERT_EQ(result.value(QStringLiteral("hostLines")).toArray().size(), 31);

    const QJsonObject seed = line(result, "lines", 24);
    EXPECT_EQ(seed.keys(), (QStringList{QStringLiteral("line"), QStringLiteral("nom"),
                                        QStringLiteral("numero"), QStringLiteral("position")}));
    EXPECT_EQ(seed.value(QStringLiteral("line")).toInt(), 24);
    EXPECT_EQ(seed.value(QStringLiteral("position")).toInt(), 2);
    EXPECT_EQ(seed.value(QStringLiteral("numero")).toInt(), 1);
    EXPECT_EQ(seed.value(QStringLiteral("nom")).toString(), QStringLiteral("30/5"));
    EXPECT_TRUE(line(result, "lines", 3).value(QStringLiteral("numero")).isNull());
    EXPECT_EQ(line(result, "lines", 30).value(QStringLiteral("position")).toInt(), 5);
    EXPECT_EQ(line(result, "lines", 30).value(QStringLiteral("numero")).toInt(), 2);
    EXPECT_EQ(line(result, "hostLines", 24).value(QStringLiteral("classement")).toString(),
              QStringLiteral("30/5"));
}

TEST(CliTelDraw, WithoutAcceptThereIsNoHostCopyAndWithoutBuildNoPlayer) {
    const QJsonObject result = runTelDraw({});
    EXPECT_FALSE(result.contains(QStringLiteral("hostLines")));
    EXPECT_TRUE(result.value(QStringLiteral("messages")).toArray().isEmpty());
    int named = 0;
    for (const QJsonValue& value : result.value(QStringLiteral("lines")).toArray()) {
        named += value.toObject().value(QStringLiteral("nom")).toString().isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(named, 0);
    EXPECT_EQ(line(result, "lines", 29).value(QStringLiteral("position")).toInt(), 5);
}

TEST(CliTelDraw, KeepsItsTablesInTheDataFolderAndReadsTheGivenRankingList) {
    QTemporaryDir dir;
    const QJsonObject result =
        runTelDraw({QStringLiteral("--build"), QStringLiteral("--data"), dir.path(),
                    QStringLiteral("--zeclass"), dir.filePath(QStringLiteral("absent.txt"))});
    EXPECT_EQ(result.value(QStringLiteral("messages")).toArray().first().toString(),
              QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé."));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Tmpaaaa2.db"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("TmpaaaJ2.db"))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("tmpSauve.txt"))));

    // The same folder again: the placed players are there, so the redo question comes.
    const QJsonObject again =
        runTelDraw({QStringLiteral("--build"), QStringLiteral("--data"), dir.path()});
    EXPECT_EQ(again.value(QStringLiteral("messages")).toArray().first().toString(),
              QStringLiteral(
                  "La mise en place des joueurs est déjà effectuées, voulez-vous la refaire ?"));
}

TEST(CliTelDraw, RefusesAMissingDataFolderAndUnknownOptions) {
    int exitCode = 0;
    const QJsonObject missing =
        runTelDraw({QStringLiteral("--data"), QStringLiteral("/nonexistent/orvanel")}, &exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(missing.value(QStringLiteral("error")).toString(),
              QStringLiteral("Le dossier \"/nonexistent/orvanel\" n'existe pas."));
    const QJsonObject unknown = runTelDraw({QStringLiteral("--solution")}, &exitCode);
    EXPECT_EQ(exitCode, 2);
    EXPECT_EQ(unknown.value(QStringLiteral("error")).toString(),
              QStringLiteral("Option inconnue : « --solution »."));
}

// Figures the main window would warn about are told, and the wizard opens with them as
// converted; a count that is not a number of players keeps it closed.
TEST(CliTelDraw, BadFiguresAreToldAsTheMainWindowTellsThem) {
    QTemporaryDir dir;
    const auto input = [&dir](const char* name, QByteArray lines) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.replace('|', "\r\n"));
        return path;
    };
    // One seed for two outgoing qualifiers.
    CliRun run = RunCli({QStringLiteral("tel-draw"),
                         input("seeds.txt", "NC|30/5|4|30/5|2|40|4|NC|6|2|0|1||0|"),
                         QStringLiteral("--data"), dir.path(), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.json().value(QStringLiteral("messages")).toArray().first().toString(),
              QStringLiteral("Problème sur le nombre de tête de séries qui est inférieur au "
                             "nombre de qualifiés sortants"));
    EXPECT_EQ(run.json().value(QStringLiteral("dimension")).toInt(), 16);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("tmpSauve.txt"))));

    run = RunCli({QStringLiteral("tel-draw"),
                  input("count.txt", "NC|30/5|4|30/5|deux|40|4|NC|6|2|0|2||0|")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.firstErrorLine(),
              QStringLiteral("Problème sur le nombre de joueur de classement 30/5"));
}
