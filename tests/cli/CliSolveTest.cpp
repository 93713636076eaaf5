#include "CliRunner.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CliRun RunSolve(const QStringList& arguments, const QString& directory = QString()) {
    return RunCli(QStringList{QStringLiteral("solve")} + arguments, directory);
}

QString Data(const char* name) {
    return TestData(name);
}

QStringList Keys(const QJsonObject& object) {
    return object.keys();  // sorted
}

QStringList Names(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

}  // namespace

TEST(CliSolve, PrintsExactlyTheDocumentedKeys) {
    const CliRun run = RunSolve({Data("example.txt"), QStringLiteral("--couples"),
                                 QStringLiteral("2"), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(Keys(object), Names("compressions couples finalDraw qualifiersIn qualifiersOut "
                                  "search seeds totalPlayers view"));
    const QJsonObject search = object.value(QStringLiteral("search")).toObject();
    EXPECT_EQ(Keys(search),
              Names("iterations messages singleSolution solutionCount solutions storedSolutions"));
    const QJsonObject view = object.value(QStringLiteral("view")).toObject();
    EXPECT_EQ(Keys(view), Names("solutions storedSolutions"));
    const QJsonArray solutions = view.value(QStringLiteral("solutions")).toArray();
    ASSERT_FALSE(solutions.isEmpty());
    const QJsonObject first = solutions.first().toObject();
    EXPECT_EQ(
        Keys(first),
        Names("dimension incorrect matches oneTour qualifierTours spread steps tours twoTour"));
    const QJsonObject step = first.value(QStringLiteral("steps")).toArray().first().toObject();
    EXPECT_EQ(Keys(step), Names("arriving entries positions"));
    // The keys come out sorted in the text itself.
    const QString text = QString::fromUtf8(run.out);
    EXPECT_LT(text.indexOf(QStringLiteral("\"compressions\"")),
              text.indexOf(QStringLiteral("\"couples\"")));
    EXPECT_LT(text.indexOf(QStringLiteral("\"search\"")), text.indexOf(QStringLiteral("\"view\"")));
}

TEST(CliSolve, SearchesAndKeepsTheCorrectSolutions) {
    const CliRun run = RunSolve({Data("example.txt"), QStringLiteral("--couples"),
                                 QStringLiteral("2"), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(object.value(QStringLiteral("totalPlayers")).toInt(), 12);
    EXPECT_EQ(object.value(QStringLiteral("qualifiersOut")).toInt(), 2);
    EXPECT_EQ(object.value(QStringLiteral("couples")).toInt(), 3);  // half the 6 NC players
    const QJsonObject search = object.value(QStringLiteral("search")).toObject();
    EXPECT_FALSE(search.value(QStringLiteral("singleSolution")).toBool());
    EXPECT_GT(search.value(QStringLiteral("iterations")).toDouble(), 0);
    const int stored = search.value(QStringLiteral("storedSolutions")).toInt();
    EXPECT_EQ(search.value(QStringLiteral("solutions")).toArray().size(), stored);
    EXPECT_EQ(search.value(QStringLiteral("solutions")).toArray().first().toArray().size(), 10);
    const QJsonObject view = object.value(QStringLiteral("view")).toObject();
    const QJsonArray kept = view.value(QStringLiteral("solutions")).toArray();
    EXPECT_EQ(kept.size(), view.value(QStringLiteral("storedSolutions")).toInt());
    EXPECT_LE(kept.size(), stored);
    bool paddedName = false;
    for (const QJsonValue& value : kept) {
        const QJsonObject solution = value.toObject();
        EXPECT_FALSE(solution.value(QStringLiteral("incorrect")).toBool());
        const QJsonArray steps = solution.value(QStringLiteral("steps")).toArray();
        EXPECT_EQ(steps.size(), solution.value(QStringLiteral("tours")).toInt());
        int players = 0;
        for (const QJsonValue& step : steps) {
            for (const QJsonValue& entry :
                 step.toObject().value(QStringLiteral("entries")).toArray()) {
                players += entry.toObject().value(QStringLiteral("count")).toInt();
                paddedName =
                    paddedName || entry.toObject().value(QStringLiteral("name")).toString() ==
                                      QStringLiteral("NC  ");
            }
        }
        EXPECT_EQ(players, 12);
    }
    EXPECT_TRUE(paddedName);
}

TEST(CliSolve, ADirectSolutionIsViewSolutionOne) {
    const CliRun run = RunSolve({Data("staggered-incoming.txt"), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    const QJsonObject search = object.value(QStringLiteral("search")).toObject();
    EXPECT_TRUE(search.value(QStringLiteral("singleSolution")).toBool());
    EXPECT_EQ(search.value(QStringLiteral("iterations")).toInt(), 0);
    EXPECT_EQ(search.value(QStringLiteral("storedSolutions")).toInt(), 0);
    EXPECT_TRUE(search.value(QStringLiteral("solutions")).toArray().isEmpty());
    const QJsonArray kept = object.value(QStringLiteral("view"))
                                .toObject()
                                .value(QStringLiteral("solutions"))
                                .toArray();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept.first().toObject().value(QStringLiteral("matches")).toArray(),
              (QJsonArray{4, 4, 4, 4, 4, 4, 0, 0, 0, 0}));
    EXPECT_EQ(kept.first().toObject().value(QStringLiteral("dimension")).toInt(), 128);

    // "Recherche autres solutions" searches instead.
    const CliRun other = RunSolve({Data("staggered-incoming.txt"),
                                   QStringLiteral("--other-solutions"), QStringLiteral("--json")});
    const QJsonObject searched = QJsonDocument::fromJson(other.out).object();
    EXPECT_GT(searched.value(QStringLiteral("search"))
                  .toObject()
                  .value(QStringLiteral("iterations"))
                  .toDouble(),
              0);
}

TEST(CliSolve, AFinalDrawNeedsItsLastRoundAndCouples) {
    CliRun run = RunSolve({Data("staggered-final.txt"), QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(run.out)
                    .object()
                    .value(QStringLiteral("error"))
                    .toString()
                    .contains(QStringLiteral("--last-round")));

    run = RunSolve({Data("staggered-final.txt"), QStringLiteral("--last-round"),
                    QStringLiteral("2"), QStringLiteral("--couples"), QStringLiteral("3"),
                    QStringLiteral("--max-tours"), QStringLiteral("4"), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(object.value(QStringLiteral("finalDraw")).toBool());
    EXPECT_EQ(object.value(QStringLiteral("qualifiersOut")).toInt(), 4);
    for (const QJsonValue& value : object.value(QStringLiteral("search"))
                                       .toObject()
                                       .value(QStringLiteral("solutions"))
                                       .toArray()) {
        EXPECT_EQ(value.toArray().at(5).toInt(), 0);  // at most four tours
    }
}

TEST(CliSolve, KeepSpreadFindsAtLeastAsMany) {
    const QStringList base{Data("example.txt"), QStringLiteral("--couples"), QStringLiteral("2"),
                           QStringLiteral("--json")};
    const QJsonObject removing = QJsonDocument::fromJson(RunSolve(base).out).object();
    const QJsonObject keeping =
        QJsonDocument::fromJson(RunSolve(base + QStringList{QStringLiteral("--keep-spread")}).out)
            .object();
    const auto count = [](const QJsonObject& object) {
        return object.value(QStringLiteral("search"))
            .toObject()
            .value(QStringLiteral("solutionCount"))
            .toInt();
    };
    EXPECT_GT(count(keeping), count(removing));
}

TEST(CliSolve, ReadableFrenchWithoutJson) {
    const CliRun run =
        RunSolve({Data("example.txt"), QStringLiteral("--couples"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0);
    const QString text = QString::fromUtf8(run.out);
    EXPECT_TRUE(text.contains(QStringLiteral("Effectif du tableau : 12")));
    EXPECT_TRUE(text.contains(QStringLiteral("Nombre de qualifiés sortants : 2")));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("Recherche : \\d+ Itération\\(s\\)"))));
    EXPECT_TRUE(text.contains(QStringLiteral("\nSolution 1 : 2 2 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tableau à ")));
}

TEST(CliSolve, LeavesTheCurrentFolderAlone) {
    QTemporaryDir current;
    const CliRun run = RunSolve(
        {Data("example.txt"), QStringLiteral("--couples"), QStringLiteral("2")}, current.path());
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(QDir(current.path()).exists(QStringLiteral("tmpSauve.txt")));
}

TEST(CliSolve, RefusesWhatItCannotRun) {
    // Options whose values do not fit are usage errors.
    CliRun run =
        RunSolve({Data("example.txt"), QStringLiteral("--max-tours"), QStringLiteral("12")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(),
              QStringLiteral("Le nombre de tours doit être compris entre 4 et 9."));
    run = RunSolve({Data("example.txt"), QStringLiteral("--last-round=6")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(),
              QStringLiteral("Le dernier tour est un numéro de 0 (Finale) à 5 (1/32 finale)."));
    run = RunSolve({Data("example.txt"), QStringLiteral("--couples"), QStringLiteral("deux")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(), QStringLiteral("'deux' n'est pas une valeur entière correcte"));

    run = RunSolve({Data("line-start.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("départ en ligne")));

    run = RunSolve({Data("absent.txt"), QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(run.out)
                    .object()
                    .value(QStringLiteral("error"))
                    .toString()
                    .contains(QStringLiteral("n'existe pas")));

    run = RunSolve({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(), QStringLiteral("Il manque l'argument FICHIER."));
}
