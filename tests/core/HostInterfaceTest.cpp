#include "core/HostInterface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A scratch tree: a current directory, an installed program (bin/ and share/orvanel/)
// and a repository data folder, each with or without its readme.
class HostInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* folder : {"current", "prefix/bin", "prefix/share/orvanel", "data"}) {
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
    HostInterface::Places places() const {
        return {path("current"), path("prefix/bin"), path("data")};
    }

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

TEST_F(HostInterfaceTest, ElsewhereTheInstalledDataFolderThenTheRepositoryOnesAreUsed) {
    putReadme("prefix/share/orvanel");
    putReadme("data");
    HostInterface host = HostInterface::Start(places());
    EXPECT_EQ(host.InstallDirectory, path("prefix/share/orvanel"));
    // The working directory stays where the user started the program.
    EXPECT_EQ(host.WorkingDirectory, path("current"));
    EXPECT_EQ(host.InstallPath(QStringLiteral("WDBASE")),
              QDir(path("prefix/share/orvanel")).filePath(QStringLiteral("WDBASE")));

    QFile::remove(QDir(path("prefix/share/orvanel")).filePath(HostInterface::ReadmeName()));
    EXPECT_EQ(HostInterface::FindInstallDirectory(places()), path("data"));
}

TEST_F(HostInterfaceTest, WithoutAnyReadmeTheCurrentDirectoryStays) {
    EXPECT_EQ(HostInterface::FindInstallDirectory(places()), path("current"));
    EXPECT_EQ(HostInterface::FindInstallDirectory({path("current"), QString(), QString()}),
              path("current"));
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
