#include "CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CliInput, PrintsWhatTheFileHoldsAsJson) {
    const CliRun run =
        RunCli({QStringLiteral("input"), QStringLiteral(ORVANEL_TEST_DATA "/example.txt"),
                QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(object.value(QStringLiteral("rangeStart")).toString(), QStringLiteral("NC"));
    EXPECT_EQ(object.value(QStringLiteral("rowCount")).toInt(), 4);
    EXPECT_EQ(object.value(QStringLiteral("rows")).toArray().size(), 3);
    EXPECT_EQ(object.value(QStringLiteral("seeds")).toString(), QStringLiteral("2"));
    EXPECT_EQ(object.value(QStringLiteral("drawType")).toInt(), 1);
}

TEST(CliInput, PrintsFrenchTextWithoutJson) {
    const CliRun run =
        RunCli({QStringLiteral("input"), QStringLiteral(ORVANEL_TEST_DATA "/example.txt")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(
        QStringLiteral("Type de tableau : à entrée échelonnée")));
}

TEST(CliInput, FailsWithTheMessageOnBadFiles) {
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NC\r\n15\r\ntrois\r\n");
    file.close();

    CliRun run = RunCli({QStringLiteral("input"), bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err).trimmed(),
              QStringLiteral("'trois' n'est pas une valeur entière correcte"));

    run = RunCli({QStringLiteral("input"), bad, QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value(QStringLiteral("error")).toString(),
              QStringLiteral("'trois' n'est pas une valeur entière correcte"));

    run = RunCli({QStringLiteral("input"), dir.filePath(QStringLiteral("absent.txt"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("n'existe pas")));
}
