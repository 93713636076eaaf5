#include "CliRunner.h"

#include "drawtable/DrawFileJson.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A line-start draw of 64 entries: 48 players in round 1, a seed, an incoming
// qualifier, and the winner's line as the outgoing qualifier.
QString WriteDraw(const QTemporaryDir& folder, int dimension = 64) {
    DrawFile draw;
    draw.kind = DrawFile::Kind::LineStart;
    draw.dimension = dimension;
    draw.qualifiersOut = 1;
    draw.qualifiersIn = 1;
    draw.seeds = 1;
    draw.totalPlayers = 48;
    draw.rankings = {{QStringLiteral("30"), 24}, {QStringLiteral("15/4"), 24}};
    draw.tel = {48, dimension, dimension - 48, 32, 1, 1};
    for (int line = 1; line <= 2 * dimension - 1; ++line) {
        DrawFile::Line record;
        record.line = line;
        if (line <= dimension && line % 4 != 0) {
            record.position = 1;
            record.nom = QStringLiteral("JOUEUR%1").arg(line);
            record.classement = QStringLiteral("30");
        }
        draw.lines.append(record);
    }
    draw.lines[0].position = 2;
    draw.lines[0].numero = 1;
    draw.lines[1].position = 3;
    draw.lines[1].numero = 1;
    draw.lines.last().position = 5;
    draw.lines.last().numero = 1;
    const QString path = folder.filePath(QStringLiteral("DRAW.json"));
    EXPECT_EQ(DrawFileJson::WriteFile(path, draw), QString());
    return path;
}

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(CliPrint, WritesASplitDrawAsAPdfOfThreeSheets) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("tableau.pdf"));
    const CliRun run =
        RunCli({QStringLiteral("print"), WriteDraw(folder), QStringLiteral("--per-sheet"),
                QStringLiteral("32"), QStringLiteral("--pdf"), pdf, QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = run.json();
    EXPECT_EQ(json[QStringLiteral("sheetPlan")].toObject(),
              (QJsonObject{{QStringLiteral("partCount"), 2}, {QStringLiteral("sheetCount"), 3}}));
    EXPECT_EQ(json[QStringLiteral("messages")].toArray(), QJsonArray());
    const QJsonArray sheets = json[QStringLiteral("sheets")].toArray();
    ASSERT_EQ(sheets.size(), 3);
    EXPECT_EQ(
        sheets[0].toObject()[QStringLiteral("page")].toObject(),
        (QJsonObject{{QStringLiteral("paper"), QStringLiteral("A4")},
                     {QStringLiteral("orientation"), QStringLiteral("portrait")},
                     {QStringLiteral("margins"), QJsonObject{{QStringLiteral("left"), 6.0},
                                                             {QStringLiteral("top"), 10.0},
                                                             {QStringLiteral("right"), 10.0},
                                                             {QStringLiteral("bottom"), 10.0}}}}));
    // The first elements, in the order the report creates them.
    const QJsonArray elements = sheets[2].toObject()[QStringLiteral("elements")].toArray();
    const QJsonObject version = elements[0].toObject();
    EXPECT_EQ(version[QStringLiteral("text")], QStringLiteral("Orvanel 2010"));
    EXPECT_EQ(version[QStringLiteral("band")], QStringLiteral("QRBand1"));
    EXPECT_EQ(version[QStringLiteral("name")], QJsonValue());
    EXPECT_EQ(version[QStringLiteral("alignment")], QStringLiteral("right"));
    EXPECT_EQ(version[QStringLiteral("color")], QStringLiteral("#0000ff"));
    EXPECT_EQ(version[QStringLiteral("penWidth")], QJsonValue());
    EXPECT_EQ(version[QStringLiteral("font")].toObject()[QStringLiteral("family")],
              QStringLiteral("Arial"));
    EXPECT_EQ(elements[1].toObject()[QStringLiteral("text")], QStringLiteral("(3)"));
    EXPECT_EQ(elements[1].toObject()[QStringLiteral("alignment")], QStringLiteral("center"));
    EXPECT_EQ(elements[2].toObject()[QStringLiteral("name")], QStringLiteral("QRSysData1"));
    EXPECT_EQ(elements[2].toObject()[QStringLiteral("text")], QStringLiteral("Le "));
    EXPECT_EQ(elements[2].toObject()[QStringLiteral("band")], QStringLiteral("QRBand2"));
    EXPECT_EQ(elements[3].toObject()[QStringLiteral("text")],
              QStringLiteral("Version 1.0 du 22/02/2016"));
    EXPECT_EQ(elements[4].toObject()[QStringLiteral("text")],
              QStringLiteral("(Fin du tableau de 64 entrées) Page 3"));
    bool shapeSeen = false;
    for (const QJsonValue& value : elements) {
        const QJsonObject element = value.toObject();
        if (element[QStringLiteral("kind")] == QStringLiteral("line")) {
            shapeSeen = true;
            EXPECT_EQ(element[QStringLiteral("text")], QJsonValue());
            EXPECT_EQ(element[QStringLiteral("font")], QJsonValue());
            EXPECT_TRUE(element[QStringLiteral("penWidth")].isDouble());
        }
    }
    EXPECT_TRUE(shapeSeen);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 3);
    const QStringList pages = text.split(QLatin1Char('\f'));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("1/2 tableau supérieur")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("1/2 tableau inférieur")));
    EXPECT_TRUE(pages[2].simplified().contains(QStringLiteral("Fin du tableau de 64 entrées")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("JOUEUR3")));
}

TEST(CliPrint, WritesOneImageOrDrawingPerPage) {
    QTemporaryDir folder;
    const QString draw = WriteDraw(folder, 16);
    const QString images = folder.filePath(QStringLiteral("images"));
    CliRun run =
        RunCli({QStringLiteral("print"), draw, QStringLiteral("--landscape"),
                QStringLiteral("--png"), images, QStringLiteral("--dpi"), QStringLiteral("96")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage page(QDir(images).filePath(QStringLiteral("page-01.png")));
    EXPECT_EQ(page.size(), QSize(1123, 794));  // A4 landscape at 96 dpi

    const QString drawings = folder.filePath(QStringLiteral("svg"));
    run = RunCli({QStringLiteral("print"), draw, QStringLiteral("--a3"), QStringLiteral("--svg"),
                  drawings, QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.json()[QStringLiteral("sheets")]
                  .toArray()[0]
                  .toObject()[QStringLiteral("page")]
                  .toObject()[QStringLiteral("paper")],
              QStringLiteral("A3"));
    QFile svg(QDir(drawings).filePath(QStringLiteral("page-01.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("JOUEUR3"));
}

TEST(CliPrint, SheetBySheetWritesOnePdfPerSheet) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("t.pdf"));
    const CliRun run = RunCli({QStringLiteral("print"), WriteDraw(folder),
                               QStringLiteral("--per-sheet"), QStringLiteral("32"),
                               QStringLiteral("--sheet-by-sheet"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* name : {"t-1.pdf", "t-2.pdf", "t-3.pdf"}) {
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(QString::fromLatin1(name)))) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST(CliPrint, RefusesWhatItCannotPrint) {
    QTemporaryDir folder;
    const QString draw = WriteDraw(folder, 16);
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{draw}, 2, "Indiquez où écrire : --pdf FICHIER, --png DOSSIER ou --svg DOSSIER."},
        {{draw, QStringLiteral("--pdf"), QStringLiteral("a.pdf"), QStringLiteral("--svg"),
          QStringLiteral("s")},
         2,
         "Une seule sortie à la fois : --pdf, --png ou --svg."},
        {{draw, QStringLiteral("--per-sheet"), QStringLiteral("50"), QStringLiteral("--pdf"),
          QStringLiteral("a.pdf")},
         2,
         "Le nombre d'entrées par feuille est 32, 64, 128 ou 256."},
        {{folder.filePath(QStringLiteral("none.json")), QStringLiteral("--pdf"),
          QStringLiteral("a.pdf")},
         1,
         nullptr},
    };
    for (const Case& c : cases) {
        const CliRun run =
            RunCli(QStringList{QStringLiteral("print")} + c.arguments, folder.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(QLatin1Char(' ')).toStdString();
        if (c.message) {
            EXPECT_EQ(run.firstErrorLine(), QString::fromUtf8(c.message));
        }
    }
}

TEST(CliPrintStaircase, PrintsTheStoredSolutionsFiveAPage) {
    QTemporaryDir folder;
    const QStringList search{TestData("worked-example.txt"), QStringLiteral("--couples"),
                             QStringLiteral("1"), QStringLiteral("--other-solutions")};
    CliRun run =
        RunCli(QStringList{QStringLiteral("print-staircase")} + search +
               QStringList{QStringLiteral("--all"), QStringLiteral("--pdf"),
                           folder.filePath(QStringLiteral("e.pdf")), QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray sheets = run.json()[QStringLiteral("sheets")].toArray();
    ASSERT_GE(sheets.size(), 2);
    EXPECT_EQ(sheets[0].toObject()[QStringLiteral("solutions")].toArray(),
              (QJsonArray{1, 2, 3, 4, 5}));
    EXPECT_EQ(run.json()[QStringLiteral("messages")].toArray(), QJsonArray());
    const QJsonArray elements = sheets[0].toObject()[QStringLiteral("elements")].toArray();
    EXPECT_EQ(elements[1].toObject()[QStringLiteral("name")], QStringLiteral("gtQRLabel1"));
    EXPECT_EQ(elements[2].toObject()[QStringLiteral("kind")], QStringLiteral("line"));

    run = RunCli(QStringList{QStringLiteral("print-staircase")} + search +
                 QStringList{QStringLiteral("--solution"), QStringLiteral("2"),
                             QStringLiteral("--svg"), folder.filePath(QStringLiteral("s")),
                             QStringLiteral("--json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.json()[QStringLiteral("sheets")]
                  .toArray()[0]
                  .toObject()[QStringLiteral("solutions")]
                  .toArray(),
              QJsonArray{2});

    run = RunCli(QStringList{QStringLiteral("print-staircase")} + search +
                 QStringList{QStringLiteral("--solution"), QStringLiteral("99"),
                             QStringLiteral("--svg"), folder.filePath(QStringLiteral("s"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.firstErrorLine().startsWith(QStringLiteral("La solution 99 n'existe pas")));
    run = RunCli(QStringList{QStringLiteral("print-staircase")} + search +
                 QStringList{QStringLiteral("--svg"), folder.filePath(QStringLiteral("s"))});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.firstErrorLine(),
              QStringLiteral("Choisissez --all ou --solution K, l'un des deux."));
}

}  // namespace
