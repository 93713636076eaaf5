#include "CliRunner.h"
#include "common/QtPrinters.h"

#include "drawtable/DrawFileJson.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A staggered-entry draw of 8: a 30 entering in rounds 1, 2 and 3 behind the 15/2 seed of
// round 1, two incoming qualifiers meeting in round 1, one outgoing qualifier.
DrawFile checkedDraw() {
    DrawFile draw;
    draw.dimension = 8;
    draw.qualifiersOut = 1;
    draw.qualifiersIn = 2;
    draw.seeds = 1;
    for (int number = 1; number <= 15; ++number) {
        draw.lines.append({number, 0, std::nullopt, {}, {}, {}, std::nullopt, {}, {}});
    }
    const auto put = [&](int number, int position, const char* nom, std::optional<int> numero) {
        DrawFile::Line& line = draw.lines[number - 1];
        line.position = position;
        line.nom = QString::fromUtf8(nom);
        line.numero = numero;
    };
    put(1, 1, "30", std::nullopt);
    put(9, 1, "30", std::nullopt);
    put(13, 1, "30", std::nullopt);
    put(3, 2, "15/2", 1);
    put(5, 3, "", 1);
    put(6, 3, "", 2);
    put(14, 5, "", 1);
    return draw;
}

class CliCheck : public ::testing::Test {
protected:
    CliRun check(const DrawFile& draw, const QString& rankingOrder) {
        const QString path = dir_.filePath(QStringLiteral("draw.json"));
        EXPECT_EQ(DrawFileJson::WriteFile(path, draw), QString());
        return RunCli({QStringLiteral("check"), path, QStringLiteral("--zeclass"), rankingOrder,
                       QStringLiteral("--json")});
    }

    static QString programList() { return QStringLiteral(ORVANEL_SOURCE_DATA "/ZECLASS.TXT"); }

    static QJsonObject markOf(const QJsonObject& result, const QString& item) {
        for (const QJsonValue& mark : result.value(QStringLiteral("marks")).toArray()) {
            if (mark.toObject().value(QStringLiteral("item")).toString() == item) {
                return mark.toObject();
            }
        }
        return {};
    }

    QTemporaryDir dir_;
};

const QString PairHint = QStringLiteral(
    "Règle NON respectée:\nInterdit que 2 qualifiés se rencontrent\npour leur première partie "
    "dans le tableau.\n(Exception: tableau final à départ en ligne\nprivilégiant le tirage au "
    "sort.)");

}  // namespace

TEST_F(CliCheck, PrintsTheMessagesFindingsBannerAndMarksOfTheCheck) {
    const CliRun run = check(checkedDraw(), programList());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject result = run.json();

    const QJsonArray findings = result.value(QStringLiteral("findings")).toArray();
    ASSERT_EQ(findings.size(), 3);
    EXPECT_EQ(findings[0].toObject(),
              (QJsonObject{{QStringLiteral("table"), QStringLiteral("TMVERIFI.DB")},
                           {QStringLiteral("Type"), QStringLiteral("30")},
                           {QStringLiteral("NBTrouve"), 3},
                           {QStringLiteral("NumTourDeb"), 1},
                           {QStringLiteral("NumTourFin"), 3},
                           {QStringLiteral("NumClass"), 7},
                           {QStringLiteral("J1ClassJ2"), true},
                           {QStringLiteral("Nom"), QStringLiteral("30")},
                           {QStringLiteral("Prenom"), QString()}}));
    EXPECT_EQ(findings[1].toObject().value(QStringLiteral("Type")), QStringLiteral("q01"));
    EXPECT_EQ(findings[2].toObject().value(QStringLiteral("NumTourFin")), 1);

    EXPECT_EQ(result.value(QStringLiteral("banner")).toObject(),
              (QJsonObject{
                  {QStringLiteral("visible"), true},
                  {QStringLiteral("caption"), QStringLiteral("<< REGLES Non Respectées >>")},
                  {QStringLiteral("colour"), QStringLiteral("#ff0000")},
                  {QStringLiteral("hint"),
                   QStringLiteral("ATTENTION: REGLES NON RESPECTEES\nUn joueur rentre plus loin "
                                  "qu'un joueur de classement supérieur au sien.Classement 30 sur "
                                  "plus de 2 tours.Interdit de faire rencontrer 2 Qualifiés "
                                  "Entrant au premier tour dans ce tableau.")}}));

    // The hints in the order they were set: line 1, then the qualifiers of lines 5 and 6.
    const QJsonArray messages = result.value(QStringLiteral("messages")).toArray();
    ASSERT_GE(messages.size(), 3);
    EXPECT_EQ(messages[0].toObject().value(QStringLiteral("item")), QStringLiteral("COL011"));
    EXPECT_EQ(messages[1].toObject(),
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("hint")},
                           {QStringLiteral("item"), QStringLiteral("QUACOL015")},
                           {QStringLiteral("line"), 5},
                           {QStringLiteral("text"), PairHint}}));

    EXPECT_EQ(markOf(result, QStringLiteral("QUACOL016")),
              (QJsonObject{{QStringLiteral("item"), QStringLiteral("QUACOL016")},
                           {QStringLiteral("line"), 6},
                           {QStringLiteral("text"), QStringLiteral("q2")},
                           {QStringLiteral("opaque"), true},
                           {QStringLiteral("background"), QStringLiteral("#ff0000")},
                           {QStringLiteral("hint"), PairHint},
                           {QStringLiteral("showHint"), true},
                           {QStringLiteral("style"),
                            QJsonArray{QStringLiteral("bold"), QStringLiteral("underline")}}}));
    EXPECT_EQ(markOf(result, QStringLiteral("CTTSCOL013")),
              (QJsonObject{{QStringLiteral("item"), QStringLiteral("CTTSCOL013")},
                           {QStringLiteral("line"), 3},
                           {QStringLiteral("hint"), QString()},
                           {QStringLiteral("showHint"), true},
                           {QStringLiteral("pen"), QStringLiteral("#000000")},
                           {QStringLiteral("fill"), QJsonValue()}}));
    const QJsonObject name = markOf(result, QStringLiteral("COL0313"));
    EXPECT_EQ(name.value(QStringLiteral("fontColour")), QStringLiteral("#000000"));
    EXPECT_EQ(name.value(QStringLiteral("underline")), true);
    EXPECT_EQ(name.value(QStringLiteral("opaque")), true);
}

TEST_F(CliCheck, AMissingRankingOrderListIsAWarningWithoutItem) {
    const CliRun run = check(checkedDraw(), dir_.filePath(QStringLiteral("ZECLASS.TXT")));
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject first =
        run.json().value(QStringLiteral("messages")).toArray().first().toObject();
    EXPECT_EQ(first,
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("warning")},
                           {QStringLiteral("item"), QJsonValue()},
                           {QStringLiteral("line"), QJsonValue()},
                           {QStringLiteral("text"),
                            QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé.")}}));
}

TEST_F(CliCheck, AFileThatIsNoDrawIsRefused) {
    const CliRun run = RunCli({QStringLiteral("check"), dir_.filePath(QStringLiteral("none.json")),
                               QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.json().contains(QStringLiteral("error")));
}
