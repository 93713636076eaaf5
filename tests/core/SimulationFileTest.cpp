#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

namespace {

// The input of the example file: "NC" to "30/5", 6 NC, 4 "40", 2 "30/5", 2 outgoing
// qualifiers, 2 seeds, staggered entry.
SimulationInput exampleInput() {
    SimulationInput input;
    input.RangeStart = QStringLiteral("NC");
    input.RangeEnd = QStringLiteral("30/5");
    input.Rows = {{QStringLiteral("30/5"), QStringLiteral("2")},
                  {QStringLiteral("40"), QStringLiteral("4")},
                  {QStringLiteral("NC"), QStringLiteral("6")}};
    input.QualifiersOutText = QStringLiteral("2");
    input.QualifiersInText = QStringLiteral("0");
    input.SeedsText = QStringLiteral("2");
    input.EntrySizeText = QString();
    input.DrawType = SimulationInput::Staggered;
    return input;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SimulationFile::LoadStatus loadBytes(const QByteArray& bytes, SimulationInput& input,
                                     ScriptedPrompter& prompter) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return SimulationFile::LoadFrom(buffer, QStringLiteral("essai.txt"), input, prompter);
}

class SimulationFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    QTemporaryDir dir_;
    ScriptedPrompter prompter_;
};

}  // namespace

TEST_F(SimulationFileTest, WritesTheExampleByteForByte) {
    ASSERT_TRUE(SimulationFile::SaveSimulation(path(QStringLiteral("tmpSauve.txt")), exampleInput(),
                                               prompter_));
    EXPECT_EQ(readAll(path(QStringLiteral("tmpSauve.txt"))),
              readAll(QStringLiteral(ORVANEL_TEST_DATA "/example.txt")));
    EXPECT_TRUE(prompter_.entries().isEmpty());
}

TEST_F(SimulationFileTest, WritesTheDegreeSignAsOneWindowsByte) {
    SimulationInput input = exampleInput();
    input.RangeStart = QStringLiteral("N°5");
    input.RangeEnd = QStringLiteral("N°1");
    input.Rows = {{QStringLiteral("N°1"), QStringLiteral("1")}};
    const QByteArray bytes = SimulationFile::Serialize(input);
    EXPECT_TRUE(
        bytes.startsWith(QByteArray("N\xB0"
                                    "5\r\nN\xB0"
                                    "1\r\n2\r\nN\xB0"
                                    "1\r\n1\r\n")));
    EXPECT_TRUE(bytes.endsWith("\r\n1\r\n"));
}

TEST_F(SimulationFileTest, ReadsBackEveryFieldButTheEditedFlag) {
    SimulationInput written = exampleInput();
    written.RangeStart = QStringLiteral("N°60");
    written.Rows.append({QStringLiteral("N°60"), QString()});
    written.Rows.append({QString(), QStringLiteral("3")});
    written.QualifiersInText = QStringLiteral("x");
    written.EntrySizeText = QStringLiteral("64");
    written.DrawType = SimulationInput::LineStart;
    written.OutgoingEdited = true;
    ASSERT_TRUE(
        SimulationFile::SaveSimulation(path(QStringLiteral("tmpSauve.txt")), written, prompter_));

    SimulationInput read;
    EXPECT_EQ(SimulationFile::LoadSimulation(path(QStringLiteral("tmpSauve.txt")), read, prompter_),
              SimulationFile::LoadStatus::Loaded);
    written.OutgoingEdited = false;
    EXPECT_EQ(read, written);
    EXPECT_TRUE(prompter_.entries().isEmpty());
}

TEST_F(SimulationFileTest, AsksBeforeOverwritingAnyFileButTheAutosave) {
    const QString mine = path(QStringLiteral("mine.txt"));
    const QString autosave = path(QStringLiteral("tmpSauve.txt"));
    ASSERT_TRUE(SimulationFile::SaveSimulation(mine, exampleInput(), prompter_));
    ASSERT_TRUE(SimulationFile::SaveSimulation(autosave, exampleInput(), prompter_));
    EXPECT_TRUE(prompter_.entries().isEmpty());  // neither existed

    SimulationInput changed = exampleInput();
    changed.SeedsText = QStringLiteral("4");
    EXPECT_TRUE(SimulationFile::SaveSimulation(autosave, changed, prompter_));
    EXPECT_TRUE(prompter_.entries().isEmpty());

    prompter_.queueAnswer(false);
    EXPECT_FALSE(SimulationFile::SaveSimulation(mine, changed, prompter_));
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_TRUE(prompter_.entries().first().question);
    EXPECT_EQ(prompter_.entries().first().text,
              QStringLiteral("Fichier existant, voulez-vous l'écraser ?"));
    EXPECT_EQ(readAll(mine), SimulationFile::Serialize(exampleInput()));

    prompter_.queueAnswer(true);
    EXPECT_TRUE(SimulationFile::SaveSimulation(mine, changed, prompter_));
    EXPECT_EQ(readAll(mine), SimulationFile::Serialize(changed));
}

TEST_F(SimulationFileTest, AFailedWriteKeepsThePreviousFile) {
    const QString mine = path(QStringLiteral("mine.txt"));
    ASSERT_TRUE(SimulationFile::SaveSimulation(mine, exampleInput(), prompter_));
    SimulationInput longer = exampleInput();
    longer.Rows.resize(100);

    // A file-size limit makes the write fail half-way, whoever runs the test.
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 40;
    setrlimit(RLIMIT_FSIZE, &small);
    prompter_.queueAnswer(true);
    const bool saved = SimulationFile::SaveSimulation(mine, longer, prompter_);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readAll(mine), SimulationFile::Serialize(exampleInput()));
    ASSERT_EQ(prompter_.entries().size(), 2);
    EXPECT_TRUE(prompter_.entries().last().text.startsWith(
        QStringLiteral("Impossible d'enregistrer le fichier")));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("mine.txt")});
}

TEST_F(SimulationFileTest, ReportsAFolderThatCannotHoldTheFile) {
    EXPECT_FALSE(SimulationFile::SaveSimulation(path(QStringLiteral("absent/tmpSauve.txt")),
                                                exampleInput(), prompter_));
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Warning);
}

TEST_F(SimulationFileTest, AMissingFileChangesNothing) {
    SimulationInput input = exampleInput();
    EXPECT_EQ(SimulationFile::LoadSimulation(path(QStringLiteral("absent.txt")), input, prompter_),
              SimulationFile::LoadStatus::Missing);
    EXPECT_EQ(input, exampleInput());
    EXPECT_TRUE(prompter_.entries().isEmpty());
}

TEST(SimulationFileReading, AcceptsEveryLineEnd) {
    const QByteArray lf("NC\n30/5\n4\n30/5\n2\n40\n4\nNC\n6\n2\n0\n2\n\n1\n");
    QByteArray cr = lf;
    cr.replace('\n', '\r');
    QByteArray noFinalEnd = lf;
    noFinalEnd.chop(1);
    for (const QByteArray& bytes : {lf, cr, noFinalEnd}) {
        SimulationInput input;
        ScriptedPrompter prompter;
        EXPECT_EQ(loadBytes(bytes, input, prompter), SimulationFile::LoadStatus::Loaded);
        EXPECT_EQ(input, exampleInput());
    }
}

TEST(SimulationFileReading, MissingLinesReadAsEmptyAndKeepTheDrawType) {
    SimulationInput input;
    input.DrawType = SimulationInput::LineStart;
    ScriptedPrompter prompter;
    EXPECT_EQ(loadBytes("NC\r\n15\r\n3\r\n15\r\n", input, prompter),
              SimulationFile::LoadStatus::Loaded);
    EXPECT_EQ(input.RangeEnd, QStringLiteral("15"));
    ASSERT_EQ(input.Rows.size(), 2);
    EXPECT_EQ(input.Rows[0].RankingText, QStringLiteral("15"));
    EXPECT_TRUE(input.Rows[0].CountText.isEmpty());
    EXPECT_TRUE(input.QualifiersOutText.isEmpty());
    EXPECT_TRUE(input.SeedsText.isEmpty());
    EXPECT_EQ(input.DrawType, SimulationInput::LineStart);

    for (const char* drawType : {"2", "", " 1"}) {
        QByteArray bytes = SimulationFile::Serialize(SimulationInput{});
        bytes.chop(3);  // the draw type and its line end
        bytes += drawType;
        input.DrawType = SimulationInput::LineStart;
        EXPECT_EQ(loadBytes(bytes, input, prompter), SimulationFile::LoadStatus::Loaded);
        EXPECT_EQ(input.DrawType, SimulationInput::LineStart) << drawType;
    }
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST(SimulationFileReading, ARowCountThatIsNotAnIntegerStopsAndKeepsWhatWasRead) {
    const SimulationInput before = exampleInput();
    for (const QByteArray& third :
         {QByteArray("quatre"), QByteArray(""), QByteArray("4x"), QByteArray("99999999999")}) {
        SimulationInput input = before;
        ScriptedPrompter prompter;
        EXPECT_EQ(loadBytes("15\r\n-15\r\n" + third + "\r\n40\r\n", input, prompter),
                  SimulationFile::LoadStatus::Failed);
        EXPECT_EQ(prompter.texts(),
                  QStringList{QStringLiteral("'%1' n'est pas une valeur entière correcte")
                                  .arg(QString::fromLatin1(third))});
        EXPECT_EQ(input.RangeStart, QStringLiteral("15"));
        EXPECT_EQ(input.RangeEnd, QStringLiteral("-15"));
        EXPECT_EQ(input.Rows, before.Rows);
        EXPECT_EQ(input.SeedsText, before.SeedsText);
    }
}

TEST(SimulationFileReading, RefusesRowCountsNoGridCanHave) {
    for (const QByteArray& third :
         {QByteArray("0"), QByteArray("-5"), QByteArray("125"), QByteArray("2147483647")}) {
        SimulationInput input = exampleInput();
        ScriptedPrompter prompter;
        EXPECT_EQ(loadBytes("NC\r\nNC\r\n" + third + "\r\n", input, prompter),
                  SimulationFile::LoadStatus::Failed);
        ASSERT_EQ(prompter.texts().size(), 1);
        EXPECT_TRUE(prompter.texts().first().contains(QStringLiteral("nombre de lignes")));
        EXPECT_EQ(input.Rows, exampleInput().Rows);
    }
    SimulationInput input;
    ScriptedPrompter prompter;
    EXPECT_EQ(loadBytes("NC\r\nN\xB0"
                        "1\r\n124\r\n",
                        input, prompter),
              SimulationFile::LoadStatus::Loaded);
    EXPECT_EQ(input.RowCount(), 124);
    EXPECT_EQ(input.RangeEnd, QStringLiteral("N°1"));
}

TEST(SimulationFileReading, RefusesLinesNoSimulationFileHolds) {
    const QByteArray longLine(SimulationFile::MaxLineLength + 1, 'x');
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"NC\r\n" + longLine + "\r\n", "la ligne 2 dépasse 1024"},
        {QByteArray("NC\r\n15\r\n2\r\n\x81\x8D\r\n", 16), "la ligne 4 contient"},
        {QByteArray("\x00\x01\x02\x03\r\n", 6), "la ligne 1 contient"},
    };
    for (const auto& bad : cases) {
        SimulationInput input = exampleInput();
        ScriptedPrompter prompter;
        EXPECT_EQ(loadBytes(bad.bytes, input, prompter), SimulationFile::LoadStatus::Failed);
        ASSERT_EQ(prompter.texts().size(), 1);
        EXPECT_TRUE(prompter.texts().first().contains(QString::fromUtf8(bad.reason)))
            << prompter.texts().first().toStdString();
    }
    // A long ranking text is still text: it is kept as typed.
    SimulationInput input;
    ScriptedPrompter prompter;
    const QByteArray ranking(300, 'R');
    EXPECT_EQ(loadBytes("NC\r\nNC\r\n2\r\n" + ranking + "\r\n1\r\n", input, prompter),
              SimulationFile::LoadStatus::Loaded);
    EXPECT_EQ(input.Rows[0].RankingText.size(), 300);
}

TEST(SimulationFileReading, IgnoresWhatFollowsTheLastLine) {
    QByteArray bytes = SimulationFile::Serialize(exampleInput());
    for (int extra = 0; extra < 5000; ++extra) {
        bytes += "5\r\n";
    }
    SimulationInput input;
    ScriptedPrompter prompter;
    EXPECT_EQ(loadBytes(bytes, input, prompter), SimulationFile::LoadStatus::Loaded);
    EXPECT_EQ(input, exampleInput());
}

// Inputs the fuzzer found, with what each must give.
TEST(SimulationFileReading, FuzzedInputsEndInALoadOrOneMessage) {
    const struct {
        const char* file;
        SimulationFile::LoadStatus status;
        int rowCount;
    } cases[] = {
        {"accent-in-count.txt", SimulationFile::LoadStatus::Loaded, 4},
        {"mixed-line-ends.txt", SimulationFile::LoadStatus::Loaded, 7},
        {"one-row-no-end.txt", SimulationFile::LoadStatus::Loaded, 1},
        {"undefined-byte-in-row.txt", SimulationFile::LoadStatus::Failed, 5},
        {"vertical-tab.txt", SimulationFile::LoadStatus::Failed, 3},
    };
    for (const auto& c : cases) {
        SimulationInput input;
        ScriptedPrompter prompter;
        const QString path = QStringLiteral(ORVANEL_TEST_DATA "/fuzz/") + QLatin1String(c.file);
        EXPECT_EQ(SimulationFile::LoadSimulation(path, input, prompter), c.status) << c.file;
        EXPECT_EQ(prompter.entries().size(), c.status == SimulationFile::LoadStatus::Failed)
            << c.file;
        EXPECT_EQ(input.RowCount(), c.rowCount) << c.file;
        if (c.status == SimulationFile::LoadStatus::Loaded) {
            SimulationInput reread;
            EXPECT_EQ(loadBytes(SimulationFile::Serialize(input), reread, prompter),
                      SimulationFile::LoadStatus::Loaded);
            EXPECT_EQ(reread, input) << c.file;
        }
    }
}
