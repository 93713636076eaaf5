#include "CliRunner.h"
#include "common/QtPrinters.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QJsonObject readJson(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QJsonDocument::fromJson(file.readAll()).object();
}

CliRun exportDraw(const QString& folder, const QStringList& more = {}) {
    return RunCli(QStringList{QStringLiteral("export-draw"), QStringLiteral("--data"), folder,
                              QStringLiteral("--json")} +
                  more);
}

}  // namespace

// The worked example: A 4, B 4, C 4, D 8, four outgoing qualifiers, four seeds, a draw of 64.
TEST(CliExportDraw, WritesTheStaggeredDrawItBuiltAndExportsItAgain) {
    QTemporaryDir data;
    const QString file = data.filePath(QStringLiteral("draw.json"));
    const CliRun built =
        RunCli({QStringLiteral("tee-skeleton"), TestData("worked-example.txt"),
                QStringLiteral("--couples"), QStringLiteral("1"), QStringLiteral("--solution"),
                QStringLiteral("1"), QStringLiteral("--data"), data.path(),
                QStringLiteral("--draw-json"), file});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();

    const QJsonObject draw = readJson(file);
    EXPECT_EQ(draw.keys(), (QStringList{QStringLiteral("compressions"), QStringLiteral("couples"),
                                        QStringLiteral("dimension"), QStringLiteral("finalDraw"),
                                        QStringLiteral("hideEmptyBranches"), QStringLiteral("kind"),
                                        QStringLiteral("lines"), QStringLiteral("qualifiersIn"),
                                        QStringLiteral("qualifiersOut"), QStringLiteral("rankings"),
                                        QStringLiteral("seeds"), QStringLiteral("tee"),
                                        QStringLiteral("totalPlayers")}));
    EXPECT_EQ(draw.value(QStringLiteral("kind")).toString(), QStringLiteral("TEE"));
    EXPECT_EQ(draw.value(QStringLiteral("dimension")).toInt(), 64);
    EXPECT_EQ(draw.value(QStringLiteral("qualifiersOut")).toInt(), 4);
    EXPECT_EQ(draw.value(QStringLiteral("seeds")).toInt(), 4);
    EXPECT_EQ(draw.value(QStringLiteral("totalPlayers")).toInt(), 20);
    EXPECT_TRUE(draw.value(QStringLiteral("hideEmptyBranches")).toBool());
    const QJsonArray rankings = draw.value(QStringLiteral("rankings")).toArray();
    ASSERT_EQ(rankings.size(), 4);
    EXPECT_EQ(rankings.at(3).toObject().value(QStringLiteral("count")).toInt(), 8);
    const QJsonObject tee = draw.value(QStringLiteral("tee")).toObject();
    EXPECT_EQ(tee.value(QStringLiteral("solution")).toInt(), 1);
    EXPECT_EQ(tee.value(QStringLiteral("matches")).toArray().size(), 10);

    const QJsonArray lines = draw.value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(lines.size(), 127);
    const QJsonObject first = lines.at(0).toObject();
    EXPECT_EQ(first.value(QStringLiteral("line")).toInt(), 1);
    EXPECT_TRUE(first.value(QStringLiteral("numero")).isNull());
    EXPECT_TRUE(first.value(QStringLiteral("information")).isNull());
    const QJsonObject seed = lines.at(119).toObject();
    EXPECT_EQ(seed.value(QStringLiteral("position")).toInt(), 2);
    EXPECT_EQ(seed.value(QStringLiteral("numero")).toInt(), 1);

    // The folder keeps the figures: exporting it gives the same draw.
    const CliRun exported = exportDraw(data.path());
    ASSERT_EQ(exported.exitCode, 0) << exported.out.toStdString();
    EXPECT_EQ(exported.json(), draw);
}

// example.txt: 2 "30/5", 4 "40" and 6 "NC", two outgoing qualifiers, two seeds.
TEST(CliExportDraw, ExportsALineStartDrawAndTheHostsTable) {
    QTemporaryDir data;
    const QString file = data.filePath(QStringLiteral("tel.json"));
    const CliRun built =
        RunCli({QStringLiteral("tel-draw"), TestData("example.txt"), QStringLiteral("--build"),
                QStringLiteral("--accept"), QStringLiteral("--data"), data.path(),
                QStringLiteral("--draw-json"), file});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    const QJsonObject draw = readJson(file);
    EXPECT_EQ(draw.value(QStringLiteral("kind")).toString(), QStringLiteral("TEL"));
    EXPECT_FALSE(draw.contains(QStringLiteral("tee")));
    EXPECT_FALSE(draw.value(QStringLiteral("hideEmptyBranches")).toBool());
    EXPECT_EQ(draw.value(QStringLiteral("couples")).toInt(), 0);
    EXPECT_EQ(draw.value(QStringLiteral("seeds")).toInt(), 2);
    const QJsonObject tel = draw.value(QStringLiteral("tel")).toObject();
    EXPECT_EQ(tel.value(QStringLiteral("N")).toInt(), 12);
    EXPECT_EQ(tel.value(QStringLiteral("D")).toInt(), 16);
    EXPECT_EQ(tel.value(QStringLiteral("E")).toInt(), 4);
    EXPECT_EQ(tel.value(QStringLiteral("NE")).toInt(), 8);
    EXPECT_EQ(tel.value(QStringLiteral("QS")).toInt(), 2);
    EXPECT_EQ(draw.value(QStringLiteral("lines")).toArray().size(), 31);

    EXPECT_EQ(exportDraw(data.path()).json(), draw);
    // The host's copy holds the working line's name as its ranking.
    const QJsonObject host = exportDraw(data.path(), {QStringLiteral("--host")}).json();
    const QJsonArray hostLines = host.value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(hostLines.size(), 31);
    for (int at = 0; at < hostLines.size(); ++at) {
        const QJsonObject line = hostLines.at(at).toObject();
        EXPECT_EQ(line.value(QStringLiteral("classement")), draw.value(QStringLiteral("lines"))
                                                                .toArray()
                                                                .at(at)
                                                                .toObject()
                                                                .value(QStringLiteral("nom")));
    }
}

TEST(CliExportDraw, RefusesAFolderWithoutADraw) {
    QTemporaryDir data;
    CliRun run = exportDraw(data.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.json()
                    .value(QStringLiteral("error"))
                    .toString()
                    .contains(QStringLiteral("ne garde les chiffres d'aucun tableau")));
    run = exportDraw(data.filePath(QStringLiteral("absent")));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.json()
                    .value(QStringLiteral("error"))
                    .toString()
                    .contains(QStringLiteral("n'existe pas")));
}
