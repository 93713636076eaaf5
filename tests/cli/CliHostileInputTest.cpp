#include "CliRunner.h"
#include "common/FileBytes.h"
#include "common/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace {

// Every file of the folder with its bytes: what a failed command must leave as it was.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        files.insert(name, readBytes(QDir(folder).filePath(name)));
    }
    return files;
}

// A folder as a referee leaves it: the skeleton of example.txt built and accepted.
void acceptedDraw(const QString& folder) {
    const CliRun run =
        RunCli({QStringLiteral("tel-draw"), TestData("example.txt"), QStringLiteral("--build"),
                QStringLiteral("--accept"), QStringLiteral("--data"), folder});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
}

// Garbles the second page of a table, where its lines are: SQLite opens such a file,
// only a check of its pages finds the damage.
void garblePage(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 8192);
    file.seek(4096 + 8);
    file.write(QByteArray(512, '\xA5'));
}

struct HostileCase {
    const char* name;
    // Prepares the folder and returns the command line.
    std::function<QStringList(const QString& folder)> prepare;
    int exitCode;
    const char* message;  // found in what the command printed
    // The files the run may write: none for an input refused before any work; the
    // autosave file and the tables left whole otherwise.
    QStringList mayWrite;
};

QStringList telDraw(const QString& input, const QString& folder, const QStringList& more) {
    return QStringList{QStringLiteral("tel-draw"), input, QStringLiteral("--data"), folder,
                       QStringLiteral("--json")} +
           more;
}

QString file(const QString& folder, const char* name) {
    return QDir(folder).filePath(QString::fromLatin1(name));
}

const QStringList Build{QStringLiteral("--build")};
const QStringList BuildAndAccept{QStringLiteral("--build"), QStringLiteral("--accept")};
const QStringList Autosave{QStringLiteral("tmpSauve.txt")};
// What a build that went well writes: the autosave, the tables and the draw's figures.
const QStringList BuiltDraw{QStringLiteral("tmpSauve.txt"), QStringLiteral("Tmpaaaa2.db"),
                            QStringLiteral("TmpaaaJ2.db"), QStringLiteral("TmpTableau.json")};

}  // namespace

// Hostile files given to the commands: each run ends with its status, a French message,
// and nothing changed that the user had before.
TEST(CliHostileInput, EachFaultEndsWithItsStatusItsMessageAndNothingLost) {
    const QList<HostileCase> cases{
        {"input is a folder",
         [](const QString& folder) {
             QDir(folder).mkdir(QStringLiteral("dossier.txt"));
             return telDraw(file(folder, "dossier.txt"), folder, Build);
         },
         1,
         "c'est un dossier, pas un fichier",
         {}},
        {"input is a device",
         [](const QString&) {
             return QStringList{QStringLiteral("input"), QStringLiteral("/dev/null")};
         },
         1,
         "ce n'est pas un fichier ordinaire",
         {}},
        {"input is /dev/zero",
         [](const QString&) {
             return QStringList{QStringLiteral("input"), QStringLiteral("/dev/zero")};
         },
         1,
         "ce n'est pas un fichier ordinaire",
         {}},
        {"input is a FIFO nobody writes to",
         [](const QString& folder) {
             const QString fifo = file(folder, "tube.txt");
             ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
             return QStringList{QStringLiteral("input"), fifo};
         },
         1,
         "ce n'est pas un fichier ordinaire",
         {}},
        {"input is huge",
         [](const QString& folder) {
             QFile huge(file(folder, "enorme.txt"));
             EXPECT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(2 * 1024 * 1024));
             return telDraw(huge.fileName(), folder, Build);
         },
         1,
         "le fichier dépasse 1048576 octets",
         {}},
        {"input is binary",
         [](const QString& folder) {
             writeBytes(file(folder, "binaire.txt"), QByteArray("NC\r\n\x7f\x45LF\x01\x02\r\n"));
             return telDraw(file(folder, "binaire.txt"), folder, Build);
         },
         1,
         "la ligne 2 contient des caractères qu'un fichier texte ne contient pas",
         {}},
        {"input row count is not an integer",
         [](const QString& folder) {
             writeBytes(file(folder, "lignes.txt"), "NC\r\n30/5\r\nquatre\r\n");
             return telDraw(file(folder, "lignes.txt"), folder, BuildAndAccept);
         },
         1,
         "'quatre' n'est pas une valeur entière correcte",
         {}},
        {"ranking order list is a folder",
         [](const QString& folder) {
             return telDraw(TestData("example.txt"), folder,
                            Build + QStringList{QStringLiteral("--zeclass"), folder});
         },
         0, "Impossible de lire le fichier paramètres ZECLASS.txt", BuiltDraw},
        {"ranking order list is empty",
         [](const QString& folder) {
             writeBytes(file(folder, "vide.txt"), "");
             return telDraw(
                 TestData("example.txt"), folder,
                 Build + QStringList{QStringLiteral("--zeclass"), file(folder, "vide.txt")});
         },
         0, "il ne contient aucun classement", BuiltDraw},
        {"working table is not a table",
         [](const QString& folder) {
             writeBytes(file(folder, "Tmpaaaa2.db"), QByteArray(8192, 'x'));
             return telDraw(TestData("example.txt"), folder, BuildAndAccept);
         },
         1, "Tmpaaaa2.db", Autosave},
        {"working table has a garbled page",
         [](const QString& folder) {
             acceptedDraw(folder);
             garblePage(file(folder, "Tmpaaaa2.db"));
             return telDraw(TestData("example.txt"), folder, BuildAndAccept);
         },
         1, "endommag", Autosave},
        {"roster is not a table",
         [](const QString& folder) {
             acceptedDraw(folder);
             writeBytes(file(folder, "TmpaaaJ2.db"), QByteArray(4096, '\0'));
             return telDraw(TestData("example.txt"), folder, BuildAndAccept);
         },
         1, "TmpaaaJ2.db", Autosave},
        {"host table is damaged",
         [](const QString& folder) {
             writeBytes(file(folder, "Tmpaaaa.db"),
                        QByteArray("SQLite format 3") + QByteArray(4096, '\x01'));
             return telDraw(TestData("example.txt"), folder, BuildAndAccept);
         },
         1, "Tmpaaaa.db", BuiltDraw},
        {"public key is a FIFO",
         [](const QString& folder) {
             const QString fifo = file(folder, "cle.pub");
             ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
             return QStringList{QStringLiteral("update"), QStringLiteral("--public-key"), fifo,
                                QStringLiteral("--server"), QStringLiteral("http://127.0.0.1:9")};
         },
         1,
         "ne contient pas une clé publique",
         {}},
        {"staggered working table is damaged",
         [](const QString& folder) {
             writeBytes(file(folder, "Tmpaaaa.db"), QByteArray(8192, 'x'));
             return QStringList{QStringLiteral("tee-skeleton"), TestData("worked-example.txt"),
                                QStringLiteral("--solution"),   QStringLiteral("1"),
                                QStringLiteral("--couples"),    QStringLiteral("1"),
                                QStringLiteral("--data"),       folder,
                                QStringLiteral("--json")};
         },
         1, "Tmpaaaa.db", Autosave},
    };
    for (const HostileCase& hostile : cases) {
        SCOPED_TRACE(hostile.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QStringList arguments = hostile.prepare(folder.path());
        const QMap<QString, QByteArray> before = snapshot(folder.path());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, hostile.exitCode) << run.out.toStdString() << run.err.toStdString();
        const QString printed = QString::fromUtf8(run.out + run.err);
        EXPECT_TRUE(printed.contains(QString::fromUtf8(hostile.message))) << printed.toStdString();
        const QMap<QString, QByteArray> after = snapshot(folder.path());
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (!hostile.mayWrite.contains(it.key())) {
                EXPECT_EQ(before.value(it.key()), it.value()) << it.key().toStdString();
                EXPECT_TRUE(before.contains(it.key())) << it.key().toStdString();
            }
        }
    }
}

// A draw of 1024 entries on a disk of 64 KiB: the build fails, the command says the disk
// may be full and exits 1, and the earlier draw of the folder is still there.
TEST(CliHostileInput, AFullDiskEndsTheBuildWithStatusOne) {
    SmallDisk disk(64);
    if (!disk.mounted()) {
        GTEST_SKIP() << "no right to mount a small file system here";
    }
    acceptedDraw(disk.path());
    const QMap<QString, QByteArray> before = snapshot(disk.path());
    QTemporaryDir inputs;
    const QString big = file(inputs.path(), "mille.txt");
    writeBytes(big, "NC\r\nNC\r\n2\r\nNC\r\n1000\r\n0\r\n0\r\n0\r\n\r\n0\r\n");
    const CliRun run = RunCli(telDraw(big, disk.path(), BuildAndAccept));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        QString::fromUtf8(run.out).contains(QStringLiteral("le disque est peut-être plein")))
        << run.out.toStdString();
    const QMap<QString, QByteArray> after = snapshot(disk.path());
    for (const QString& table : {QStringLiteral("Tmpaaaa2.db"), QStringLiteral("Tmpaaaa.db")}) {
        EXPECT_EQ(after.value(table), before.value(table)) << table.toStdString();
    }
}
