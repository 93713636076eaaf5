#include "core/HostInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A scratch tree: a current directory and an installed program (bin/ and
// share/orvanel/), each with or without its readme.
class HostInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* folder : {"current", "prefix/bin", "prefix/share/orvanel"}) {
            ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromLatin1(folder)));
        }
    }

    QString path(const char* folder) const {
        return QDir(root.path()).filePath(QString::fromLatin1(folder));
    }
    void putReadme(const char* folder) const {
        QFile readme(QDir(path(folder)).filePath(HostInterface::ReadmeName()));
        ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    }
    HostInterface::Places places() const { return {path("current"), path("prefix/bin")}; }

    QTemporaryDir root;
};

}  // namespace

TEST_F(HostInterfaceTest, StartedWhereTheReadmeIsTheInstallDirectoryIsTheCurrentOne) {
    putReadme("current");
    putReadme("prefix/share/orvanel");
    const HostInterface host = HostInterface::Start(places());
    EXPECT_EQ(host.InstallDirectory, path("current"));
    EXPECT_EQ(host.WorkingDirectory, path("current"));
    EXPECT_EQ(host.DataLocation, QString());
    EXPECT_EQ(host.HostTableName, QStringLiteral("Tmpaaaa.db"));
    EXPECT_FALSE(host.EntrantNamesOnly);
    EXPECT_EQ(host.InstallPath(QStringLiteral("ZECLASS.TXT")),
              QDir(path("current")).filePath(QStringLiteral("ZECLASS.TXT")));
}

TEST_F(HostInterfaceTest, ElsewhereTheInstalledDataFolderIsUsed) {
    putReadme("prefix/share/orvanel");
    HostInterface host = HostInterface::Start(places());
    EXPECT_EQ(host.InstallDirectory, path("prefix/share/orvanel"));
    // The working directory stays where the user started the program.
    EXPECT_EQ(host.WorkingDirectory, path("current"));
    EXPECT_EQ(host.InstallPath(QStringLiteral("WDBASE")),
              QDir(path("prefix/share/orvanel")).filePath(QStringLiteral("WDBASE")));
}

TEST_F(HostInterfaceTest, WithoutAnyReadmeTheCurrentDirectoryStays) {
    EXPECT_EQ(HostInterface::FindInstallDirectory(places()), path("current"));
    EXPECT_EQ(HostInterface::FindInstallDirectory({path("current"), QString()}), path("current"));
}

// The build tree holds the data folder where an installation does, beside the folders of
// its executables: a program run from there finds the repository's files.
TEST(HostInterfaceData, AProgramOfTheBuildTreeFindsTheRepositoryData) {
    QTemporaryDir elsewhere;
    const QString found =
        HostInterface::FindInstallDirectory({elsewhere.path(), QStringLiteral(ORVANEL_CLI_DIR)});
    EXPECT_EQ(QFileInfo(found).canonicalFilePath(),
              QFileInfo(QStringLiteral(ORVANEL_SOURCE_DATA_DIR)).canonicalFilePath());
}

TEST(HostInterfaceData, TheRepositoryDataFolderHoldsTheProgramFiles) {
    const QDir data(QStringLiteral(ORVANEL_SOURCE_DATA_DIR));
    ASSERT_TRUE(data.exists(HostInterface::ReadmeName()));
    HostInterface host;
    host.InstallDirectory = data.path();
    QFile readme(host.InstallPath(HostInterface::ReadmeName()));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QByteArray bytes = readme.readAll();
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_FALSE(bytes.contains("\r\r"));
    EXPECT_TRUE(bytes.contains("d\xe9marrage"));  // Windows-1252, not UTF-8

    QFile settings(host.InstallPath(QStringLiteral("WDBASE/GestionTableau.ini")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray ini = settings.readAll();
    for (const char* section : {"[CLASSEMENT]", "[SCORE]", "[NUMJOUEUR]", "[NUMQUALIFIE]",
                                "[VAINQUALIFIE]", "[NUMTETESERIE]", "[CLUB_PAYS]"}) {
        EXPECT_TRUE(ini.contains(section)) << section;
    }
    EXPECT_TRUE(ini.contains("[CLASSEMENT]\r\nPolice=Comic Sans MS\r\nTaille=5\r\nStyle=0\r\n"));
    EXPECT_TRUE(ini.contains("[NUMQUALIFIE]\r\nPolice=Comic Sans MS\r\nTaille=6\r\nStyle=0\r\n"));
    EXPECT_EQ(ini.count("Taille=7"), 5);
}
