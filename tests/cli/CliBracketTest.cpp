#include "CliRunner.h"
#include "common/QtPrinters.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A line-start draw of 8: rankings "15/2" (3 players) and "NC" (2), one incoming
// qualifier, one outgoing qualifier on line 13, a seed on line 3.
QJsonObject smallDraw() {
    QJsonArray lines;
    for (int n = 1; n <= 15; ++n) {
        QJsonObject line{{QStringLiteral("line"), n}, {QStringLiteral("position"), 0}};
        if (n == 3) {
            line.insert(QStringLiteral("position"), 2);
            line.insert(QStringLiteral("numero"), 1);
            line.insert(QStringLiteral("nom"), QStringLiteral("15/2"));
        } else if (n == 13) {
            line.insert(QStringLiteral("position"), 5);
            line.insert(QStringLiteral("numero"), 1);
        }
        lines.append(line);
    }
    return {{QStringLiteral("kind"), QStringLiteral("TEL")},
            {QStringLiteral("dimension"), 8},
            {QStringLiteral("qualifiersOut"), 1},
            {QStringLiteral("qualifiersIn"), 1},
            {QStringLiteral("seeds"), 1},
            {QStringLiteral("totalPlayers"), 6},
            {QStringLiteral("rankings"),
             QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("15/2")},
                                    {QStringLiteral("count"), 3}},
                        QJsonObject{{QStringLiteral("name"), QStringLiteral("NC")},
                                    {QStringLiteral("count"), 2}}}},
            {QStringLiteral("hideEmptyBranches"), false},
            {QStringLiteral("lines"), lines},
            {QStringLiteral("tel"), QJsonObject{{QStringLiteral("N"), 6},
                                                {QStringLiteral("D"), 8},
                                                {QStringLiteral("E"), 2},
                                                {QStringLiteral("NE"), 4},
                                                {QStringLiteral("QS"), 1},
                                                {QStringLiteral("QE"), 1}}}};
}

class CliBracket : public ::testing::Test {
protected:
    QString write(const char* name, const QJsonDocument& document) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document.toJson());
        return path;
    }

    QJsonObject run(const QJsonArray& operations, int* exitCode = nullptr) {
        const CliRun result =
            RunCli({QStringLiteral("bracket"), write("draw.json", QJsonDocument(smallDraw())),
                    QStringLiteral("--ops"), write("ops.json", QJsonDocument(operations)),
                    QStringLiteral("--json")});
        if (exitCode != nullptr) {
            *exitCode = result.exitCode;
        }
        return result.json();
    }

    static QJsonObject item(const QJsonObject& result, const QString& name) {
        for (const QJsonValue& value : result.value(QStringLiteral("items")).toArray()) {
            if (value.toObject().value(QStringLiteral("name")).toString() == name) {
                return value.toObject();
            }
        }
        return {};
    }

    static QJsonObject line(const QJsonObject& result, int number) {
        return result.value(QStringLiteral("lines")).toArray().at(number - 1).toObject();
    }

    static QJsonObject op(const char* json) {
        return QJsonDocument::fromJson(QByteArray(json)).object();
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(CliBracket, PrintsTheTableAndThePageAfterTheOperations) {
    int exitCode = -1;
    const QJsonObject result =
        run({op(R"({"op": "drop", "source": "Effectif1", "target": "COL011"})"),
             op(R"({"op": "drop", "source": "Effectif2", "target": "COL0313"})"),
             op(R"({"op": "seed", "line": 2, "dialog": [{"text": "x,", "button": "ok"},
                                                    {"text": "\b4", "button": "ok"}]})"),
             op(R"({"op": "drop", "source": "Info01", "target": "COL011"})"),
             op(R"({"op": "drop", "source": "Effectif1", "target": "Info01"})"),
             op(R"({"op": "seed", "line": 13, "dialog": [{"button": "close"}]})")},
            &exitCode);
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(result.keys(), (QStringList{QStringLiteral("ignored"), QStringLiteral("items"),
                                          QStringLiteral("lines"), QStringLiteral("messages"),
                                          QStringLiteral("refused")}));
    EXPECT_EQ(result.value(QStringLiteral("refused")).toArray(), (QJsonArray{1, 4}));
    EXPECT_EQ(result.value(QStringLiteral("ignored")).toArray(), QJsonArray{3});
    const QJsonObject warning{
        {QStringLiteral("op"), 2},
        {QStringLiteral("kind"), QStringLiteral("warning")},
        {QStringLiteral("text"), QStringLiteral("Erreur de saisie numérique !!")}};
    EXPECT_EQ(result.value(QStringLiteral("messages")).toArray(), QJsonArray{warning});

    EXPECT_EQ(line(result, 1).value(QStringLiteral("nom")).toString(), QStringLiteral("15/2"));
    EXPECT_EQ(line(result, 1).value(QStringLiteral("position")).toInt(), 1);
    EXPECT_EQ(line(result, 2).value(QStringLiteral("numero")).toInt(), 4);
    EXPECT_EQ(line(result, 2).value(QStringLiteral("position")).toInt(), 2);
    EXPECT_EQ(line(result, 13).value(QStringLiteral("position")).toInt(), 5);
    EXPECT_TRUE(line(result, 4).value(QStringLiteral("numero")).isNull());

    const QJsonObject label = item(result, QStringLiteral("COL011"));
    EXPECT_EQ(label.value(QStringLiteral("kind")).toString(), QStringLiteral("label"));
    EXPECT_EQ(label.value(QStringLiteral("text")).toString(), QStringLiteral("15/2"));
    EXPECT_EQ(label.value(QStringLiteral("left")).toInt(), 20);
    EXPECT_EQ(label.value(QStringLiteral("width")).toInt(), 50);
    EXPECT_EQ(label.value(QStringLiteral("background")).toString(), QStringLiteral("transparent"));
    EXPECT_EQ(label.value(QStringLiteral("tag")).toInt(), 1);
    EXPECT_EQ(label.value(QStringLiteral("font")).toObject().value(QStringLiteral("family")),
              QStringLiteral("Times New Roman"));
    EXPECT_EQ(item(result, QStringLiteral("COL013")).value(QStringLiteral("color")),
              QStringLiteral("blue"));
    EXPECT_EQ(item(result, QStringLiteral("VQUACOL0313")).value(QStringLiteral("background")),
              QStringLiteral("page"));
    EXPECT_EQ(item(result, QStringLiteral("Effectif1")).value(QStringLiteral("text")),
              QStringLiteral(" 2/ 3  (15/2)"));
    const QJsonObject seed = item(result, QStringLiteral("CTTSCOL012"));
    EXPECT_EQ(seed.value(QStringLiteral("kind")).toString(), QStringLiteral("circle"));
    EXPECT_TRUE(seed.value(QStringLiteral("font")).isNull());
    EXPECT_EQ(item(result, QStringLiteral("SEG011")).value(QStringLiteral("kind")),
              QStringLiteral("bar"));
    EXPECT_EQ(item(result, QStringLiteral("JOIN012")).value(QStringLiteral("height")).toInt(), 81);
    EXPECT_EQ(item(result, QStringLiteral("MemoInfosCouples")).value(QStringLiteral("kind")),
              QStringLiteral("memo"));

    QStringList names;
    for (const QJsonValue& value : result.value(QStringLiteral("items")).toArray()) {
        names.append(value.toObject().value(QStringLiteral("name")).toString());
    }
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(names, sorted);
    EXPECT_TRUE(names.filter(QStringLiteral("#")).isEmpty());  // every item has its name
}

TEST_F(CliBracket, UndoAndRedoFollowTheEdits) {
    const QJsonObject undone =
        run({op(R"({"op": "drop", "source": "Effectif1", "target": "COL011"})"),
             op(R"({"op": "empty"})"), op(R"({"op": "undo"})"), op(R"({"op": "undo"})")});
    const QJsonObject opened = run({});
    EXPECT_EQ(undone.value(QStringLiteral("lines")), opened.value(QStringLiteral("lines")));
    EXPECT_EQ(undone.value(QStringLiteral("items")), opened.value(QStringLiteral("items")));

    const QJsonObject redone =
        run({op(R"({"op": "drop", "source": "Effectif1", "target": "COL011"})"),
             op(R"({"op": "undo"})"), op(R"({"op": "redo"})")});
    EXPECT_EQ(line(redone, 1).value(QStringLiteral("nom")).toString(), QStringLiteral("15/2"));
}

TEST_F(CliBracket, RefusesWhatIsNotADrawOrAScript) {
    const QString notADraw = write("other.json", QJsonDocument(QJsonArray{1, 2}));
    CliRun result = RunCli({QStringLiteral("bracket"), notADraw, QStringLiteral("--json")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.json()
                    .value(QStringLiteral("error"))
                    .toString()
                    .contains(QStringLiteral("n'est pas un tableau")));

    int exitCode = -1;
    const QJsonObject unknown = run({op(R"({"op": "fly"})")}, &exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(unknown.value(QStringLiteral("error")).toString(),
              QStringLiteral("Opération 0 : \"op\" \"fly\" n'est pas une opération connue."));
}

TEST_F(CliBracket, TheDimensionCommandsAddAndRemoveAFirstRoundWithUndo) {
    const QJsonObject opened = run({});
    const QJsonObject grown = run({op(R"({"op": "removeRound"})"), op(R"({"op": "addRound"})")});
    const QJsonArray lines = grown.value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(line(grown, 19).value(QStringLiteral("nom")).toString(), QStringLiteral("15/2"));
    EXPECT_EQ(line(grown, 19).value(QStringLiteral("position")).toInt(), 2);
    EXPECT_EQ(line(grown, 29).value(QStringLiteral("position")).toInt(), 5);
    EXPECT_EQ(line(grown, 3).value(QStringLiteral("position")).toInt(), 0);
    EXPECT_FALSE(item(grown, QStringLiteral("COL0531")).isEmpty());

    const QJsonObject shrunk = run({op(R"({"op": "addRound"})"), op(R"({"op": "removeRound"})")});
    EXPECT_EQ(shrunk.value(QStringLiteral("lines")), opened.value(QStringLiteral("lines")));
    const QJsonObject undone = run({op(R"({"op": "addRound"})"), op(R"({"op": "undo"})")});
    EXPECT_EQ(undone.value(QStringLiteral("lines")), opened.value(QStringLiteral("lines")));
    EXPECT_EQ(undone.value(QStringLiteral("items")), opened.value(QStringLiteral("items")));
    // "Diminuer" is disabled until a round is added: nothing happens.
    const QJsonObject untouched = run({op(R"({"op": "removeRound"})")});
    EXPECT_EQ(untouched.value(QStringLiteral("lines")), opened.value(QStringLiteral("lines")));
}

TEST_F(CliBracket, ZoomAndPropertiesChangeThePage) {
    const auto nameAt = [](const QJsonObject& result, const char* name, const char* field) {
        const QJsonObject label = item(result, QString::fromLatin1(name));
        return std::string(field) == "size"
                   ? label.value(QStringLiteral("font")).toObject().value(QStringLiteral("size"))
                   : label.value(QLatin1String(field));
    };
    const QJsonObject zoomed =
        run({op(R"({"op": "zoom", "in": true})"), op(R"({"op": "zoom", "in": false})")});
    EXPECT_EQ(nameAt(zoomed, "COL011", "size").toInt(), 6);  // 7 × 1.2 = 8, then × 0.8

    const QJsonObject larger = run({op(R"({"op": "properties", "percent": 150})")});
    EXPECT_EQ(nameAt(larger, "COL029", "left").toInt(), 20 + 75);
    EXPECT_EQ(nameAt(larger, "COL013", "top").toInt(), 20 + 2 * 15 - 11);
    const QJsonObject hidden =
        run({op(R"({"op": "properties", "withEmptyBranches": false, "percent": 150})")});
    EXPECT_TRUE(item(hidden, QStringLiteral("COL015")).isEmpty());
    const QJsonObject cancelled =
        run({op(R"({"op": "properties", "percent": 150, "button": "cancel"})")});
    EXPECT_EQ(nameAt(cancelled, "COL029", "left").toInt(), 20 + 50);

    const CliRun opened =
        RunCli({QStringLiteral("bracket"), write("draw.json", QJsonDocument(smallDraw())),
                QStringLiteral("--zoom"), QStringLiteral("120"), QStringLiteral("--json")});
    ASSERT_EQ(opened.exitCode, 0);
    EXPECT_EQ(nameAt(opened.json(), "COL011", "size").toInt(), 8);

    int exitCode = -1;
    const QJsonObject wrong = run({op(R"({"op": "properties", "percent": 155})")}, &exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(wrong.value(QStringLiteral("error")).toString(),
              QStringLiteral("Opération 0 : \"percent\" va de 50 à 200, de 10 en 10."));
    run({op(R"({"op": "zoom"})")}, &exitCode);
    EXPECT_EQ(exitCode, 1);
}
