#include "core/IniFile.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"
#include "core/TextFileOpening.h"
#include "core/TextLineReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Refused {
    const char* name;
    QString path;
    const char* reason;
};

}  // namespace

// What is not a regular file of a sensible size is refused before it is read: a folder,
// a FIFO that would block, a device that never ends, a file as big as a disk image.
TEST(TextFileReading, APathThatIsNoFileOfOursIsRefusedWithItsReason) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("tube.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile huge(dir.filePath(QStringLiteral("enorme.txt")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(TextFileOpening::MaxBytes + 1));
    huge.close();
    const QList<Refused> cases{
        {"folder", dir.path(), "c'est un dossier, pas un fichier"},
        {"FIFO", fifo, "ce n'est pas un fichier ordinaire (tube, périphérique ou prise)"},
        {"device", QStringLiteral("/dev/zero"),
         "ce n'est pas un fichier ordinaire (tube, périphérique ou prise)"},
        {"huge", huge.fileName(), "le fichier dépasse 1048576 octets"},
    };
    for (const Refused& refused : cases) {
        SCOPED_TRACE(refused.name);
        ScriptedPrompter prompter;
        SimulationInput input;
        EXPECT_EQ(SimulationFile::LoadSimulation(refused.path, input, prompter),
                  SimulationFile::LoadStatus::Failed);
        EXPECT_EQ(prompter.texts(),
                  QStringList{QStringLiteral("Impossible de lire le fichier \"%1\" : %2.")
                                  .arg(refused.path, QString::fromUtf8(refused.reason))});
        EXPECT_EQ(input, SimulationInput());
        // Settings read as their defaults.
        EXPECT_TRUE(IniFile::Load(refused.path).sections().isEmpty());
    }
    // A missing file is no error: the caller knows what to do without it.
    QFile missing(dir.filePath(QStringLiteral("absent.txt")));
    QString reason;
    EXPECT_EQ(TextFileOpening::open(missing, reason), TextFileOpening::Status::Missing);
}

TEST(TextFileReading, LinesAreBoundedOneByOneAndAsAWhole) {
    QBuffer buffer;
    buffer.setData("un\r\ndeux\rtrois\nquatre-cinq\n");
    buffer.open(QIODevice::ReadOnly);
    TextLineReader reader(buffer, 6, 64);
    QString line;
    EXPECT_EQ(reader.next(line), TextLineReader::Status::Line);
    EXPECT_EQ(line, QStringLiteral("un"));
    EXPECT_EQ(reader.next(line), TextLineReader::Status::Line);
    EXPECT_EQ(line, QStringLiteral("deux"));
    EXPECT_EQ(reader.next(line), TextLineReader::Status::Line);
    EXPECT_EQ(line, QStringLiteral("trois"));
    EXPECT_EQ(reader.next(line), TextLineReader::Status::TooLong);
    EXPECT_EQ(reader.reason(TextLineReader::Status::TooLong),
              QStringLiteral("la ligne 4 dépasse 6 caractères"));

    // A device that never ends stops at the bound of the whole.
    QBuffer endless;
    endless.setData(QByteArray(64, '\n'));
    endless.open(QIODevice::ReadOnly);
    TextLineReader bounded(endless, 6, 16);
    int lines = 0;
    TextLineReader::Status status = TextLineReader::Status::Line;
    while ((status = bounded.next(line)) == TextLineReader::Status::Line) {
        ++lines;
    }
    EXPECT_EQ(status, TextLineReader::Status::TooLarge);
    EXPECT_EQ(lines, 16);
}
