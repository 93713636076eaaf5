#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CliRun RunEntry(const QStringList& arguments) {
    return RunCli(QStringList{QStringLiteral("enter-staircase")} + arguments);
}

QStringList Names(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

// Rankings 15 (2), 30 (4), 40 (6) and NC (8), four qualifiers in, four out: a staircase of
// three tours of eight positions, the last eight players of NC paired with the four
// qualifiers.
QStringList ThreeTours() {
    QStringList moves;
    const auto add = [&moves](const char* move, int times) {
        for (int i = 0; i < times; ++i) {
            moves << QString::fromLatin1(move);
        }
    };
    add("down", 4);
    add("insert", 1);
    add("down", 4);
    add("insert", 1);
    add("down", 12);
    add("q", 4);
    return moves;
}

QJsonObject Item(const QJsonObject& result, const char* name) {
    for (const QJsonValue& item : result.value(QStringLiteral("items")).toArray()) {
        if (item.toObject().value(QStringLiteral("name")).toString() == QLatin1String(name)) {
            return item.toObject();
        }
    }
    return {};
}

QJsonObject Entry(const char* name, int count) {
    return {{QStringLiteral("name"), QString::fromUtf8(name)}, {QStringLiteral("count"), count}};
}

}  // namespace

TEST(CliEnterStaircase, PrintsTheScreenAndTheEvaluationOfTheMovesPlayed) {
    const CliRun run = RunEntry({TestData("staggered-incoming.txt"), QStringLiteral("--moves"),
                                 ThreeTours().join(QLatin1Char(',')), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QJsonObject result = run.json();
    EXPECT_EQ(result.keys(), Names("evaluation ignored items messages opened"));
    EXPECT_TRUE(result.value(QStringLiteral("opened")).toBool());
    EXPECT_EQ(result.value(QStringLiteral("messages")).toArray(), QJsonArray());
    EXPECT_EQ(result.value(QStringLiteral("ignored")).toArray(), QJsonArray());

    const QJsonArray items = result.value(QStringLiteral("items")).toArray();
    QStringList names;
    for (const QJsonValue& item : items) {
        EXPECT_EQ(item.toObject().keys(), Names("color left name tag text top"));
        names << item.toObject().value(QStringLiteral("name")).toString();
    }
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(names, sorted);
    EXPECT_EQ(Item(result, "Effectif2"),
              (QJsonObject{{QStringLiteral("name"), QStringLiteral("Effectif2")},
                           {QStringLiteral("text"), QStringLiteral(" 4 de  4   (30)")},
                           {QStringLiteral("left"), 610},
                           {QStringLiteral("top"), 40},
                           {QStringLiteral("color"), QStringLiteral("black")},
                           {QStringLiteral("tag"), 102}}));
    EXPECT_EQ(Item(result, "LigneEscal03_08").value(QStringLiteral("text")),
              QStringLiteral(" 8 (NC)"));
    EXPECT_EQ(Item(result, "LigneEscal03_09").value(QStringLiteral("text")),
              QStringLiteral(" 4 (q)"));
    EXPECT_EQ(Item(result, "FinEscalier02_00").value(QStringLiteral("top")), 50 + 15 * 6);
    const QJsonObject shape = Item(result, "TraitTotal");
    EXPECT_EQ(shape.value(QStringLiteral("text")), QString());
    EXPECT_EQ(shape.value(QStringLiteral("color")), QStringLiteral("black"));
    EXPECT_EQ(Item(result, "VerdictUnTour").value(QStringLiteral("color")),
              QStringLiteral("green"));
    EXPECT_EQ(Item(result, "Label1Tableau").value(QStringLiteral("color")), QStringLiteral("navy"));

    const QJsonObject evaluation = result.value(QStringLiteral("evaluation")).toObject();
    EXPECT_EQ(evaluation.keys(), Names("dimension matches oneTour steps tours twoTour"));
    EXPECT_EQ(evaluation.value(QStringLiteral("tours")), 3);
    EXPECT_EQ(evaluation.value(QStringLiteral("dimension")), 32);
    EXPECT_EQ(evaluation.value(QStringLiteral("matches")).toArray(),
              (QJsonArray{4, 4, 4, 4, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(evaluation.value(QStringLiteral("oneTour")), 2);
    EXPECT_EQ(evaluation.value(QStringLiteral("twoTour")), 2);
    const QJsonArray steps = evaluation.value(QStringLiteral("steps")).toArray();
    const auto step = [](int arriving, QJsonArray entries) {
        return QJsonObject{{QStringLiteral("positions"), 8},
                           {QStringLiteral("arriving"), arriving},
                           {QStringLiteral("entries"), entries}};
    };
    EXPECT_EQ(steps, (QJsonArray{step(4, {Entry("15", 2), Entry("30", 2)}),
                                 step(4, {Entry("30", 2), Entry("40", 2)}),
                                 step(0, {Entry("40", 4), Entry("NC", 8), Entry("q", 4)})}));
}

TEST(CliEnterStaircase, TakesTheMovesFromAFileAndSkipsThoseNamingNoItem) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = QDir(dir.path()).filePath(QStringLiteral("moves.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonArray{QStringLiteral("down"), QStringLiteral("click:Effectif9"),
                                        QStringLiteral("drag:Effectif1:Escalier01_00"),
                                        QStringLiteral("drag:Effectif1:-"),
                                        QStringLiteral("add-tour:Total"),
                                        QStringLiteral("add-tour:Effectif1")})
                   .toJson());
    file.close();
    const CliRun run = RunEntry({TestData("staggered-incoming.txt"), QStringLiteral("--moves-file"),
                                 path, QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QJsonObject result = run.json();
    EXPECT_EQ(result.value(QStringLiteral("ignored")).toArray(), QJsonArray{1});
    // Down, a drag adding one, a drag without a target giving one back; the menu of a
    // label that is not active does nothing, that of a pool label adds a tour.
    EXPECT_EQ(Item(result, "LigneEscal01_01").value(QStringLiteral("text")),
              QStringLiteral(" 1 (15)"));
    EXPECT_EQ(Item(result, "FinEscalier01_00").value(QStringLiteral("text")),
              QStringLiteral(" 7     3 compression(s)"));
    EXPECT_TRUE(Item(result, "Escalier02_00").contains(QStringLiteral("name")));
    EXPECT_FALSE(Item(result, "Escalier03_00").contains(QStringLiteral("name")));
}

TEST(CliEnterStaircase, SaysWhenEscalierDoesNotOpen) {
    // Without incoming qualifiers or couples, "&Escalier" stays disabled.
    CliRun run = RunEntry({TestData("example.txt"), QStringLiteral("--moves"),
                           QStringLiteral("down"), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.json(), (QJsonObject{{QStringLiteral("opened"), false},
                                       {QStringLiteral("items"), QJsonArray()},
                                       {QStringLiteral("evaluation"), QJsonValue::Null},
                                       {QStringLiteral("messages"), QJsonArray()},
                                       {QStringLiteral("ignored"), QJsonArray()}}));
    run = RunEntry({TestData("example.txt"), QStringLiteral("--couples"), QStringLiteral("2"),
                    QStringLiteral("--moves"), QStringLiteral("down"), QStringLiteral("--json")});
    EXPECT_TRUE(run.json().value(QStringLiteral("opened")).toBool());

    // A count the screen could not read back is refused with its message.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile source(TestData("staggered-incoming.txt"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = source.readAll().split('\n');
    ASSERT_EQ(lines[10].trimmed(), QByteArray("8"));
    lines[10] = "100";
    const QString big = QDir(dir.path()).filePath(QStringLiteral("big.txt"));
    QFile written(big);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(lines.join('\n'));
    written.close();
    run = RunEntry(
        {big, QStringLiteral("--moves"), QStringLiteral("down"), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_FALSE(run.json().value(QStringLiteral("opened")).toBool());
    EXPECT_EQ(run.json().value(QStringLiteral("items")).toArray(), QJsonArray());
    EXPECT_EQ(run.json().value(QStringLiteral("messages")).toArray(),
              QJsonArray{QStringLiteral(
                  "Opération refusée : l'escalier ne peut afficher que des nombres de -9 à 99.")});
}

TEST(CliEnterStaircase, RefusesALineWithoutItsMovesOrAFileItCannotLoad) {
    const QString input = TestData("staggered-incoming.txt");
    for (const QStringList& line :
         {QStringList{input, QStringLiteral("--json")},
          QStringList{input, QStringLiteral("--moves"), QStringLiteral("down"),
                      QStringLiteral("--moves-file"), QStringLiteral("m.json")},
          QStringList{input, QStringLiteral("--moves"), QStringLiteral("down,jump")}}) {
        EXPECT_EQ(RunEntry(line).exitCode, 2) << line.join(u' ').toStdString();
    }
    const CliRun missing = RunEntry({QStringLiteral("/nonexistent/input.txt"),
                                     QStringLiteral("--moves"), QStringLiteral("down")});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_FALSE(missing.err.isEmpty());
    const CliRun badMoves = RunEntry({input, QStringLiteral("--moves-file"), input});
    EXPECT_EQ(badMoves.exitCode, 1);
    EXPECT_TRUE(badMoves.firstErrorLine().contains(QStringLiteral("liste JSON de mouvements")));
}
