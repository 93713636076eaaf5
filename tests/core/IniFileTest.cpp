#include "core/IniFile.h"

#include "common/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(IniFileTest, AMissingFileHasNoValuesAndGivesTheFallback) {
    const IniFile file = IniFile::Load(QStringLiteral("/nonexistent/Orvanel.INI"));
    EXPECT_FALSE(file.value(QStringLiteral("S"), QStringLiteral("K")).has_value());
    EXPECT_EQ(file.value(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("80")),
              QStringLiteral("80"));
    EXPECT_TRUE(file.sections().isEmpty());
}

TEST(IniFileTest, ValuesAreRawWindows1252TextsFoundWhateverTheirCase) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("a.ini"));
    writeBytes(path,
               "; r\xe9glages\r\n[CLASSEMENT]\r\nPolice=Comic Sans MS\r\nTaille=10,0\r\n"
               "Chemin=C:\\Tournoi\\Ann\xe9\x65\r\n");
    const IniFile file = IniFile::Load(path);
    EXPECT_EQ(file.value(QStringLiteral("classement"), QStringLiteral("POLICE")),
              QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(file.value(QStringLiteral("CLASSEMENT"), QStringLiteral("Taille")),
              QStringLiteral("10,0"));
    EXPECT_EQ(file.value(QStringLiteral("CLASSEMENT"), QStringLiteral("Chemin")),
              QStringLiteral("C:\\Tournoi\\Année"));
}

TEST(IniFileTest, SavingKeepsCommentsAndOrderWritesCrLfAndRemovesWhatWasRemoved) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("sub/Orvanel.INI"));
    IniFile file;
    file.setValue(QStringLiteral("B"), QStringLiteral("z"), QStringLiteral("1"));
    file.setValue(QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("é"));
    file.setValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2"));
    file.setValue(QStringLiteral("A"), QStringLiteral("gone"), QStringLiteral("3"));
    file.removeKey(QStringLiteral("A"), QStringLiteral("gone"));
    ASSERT_FALSE(file.save(path).has_value());
    // SimpleIni leaves two blank lines between sections.
    EXPECT_EQ(readBytes(path), QByteArray("[B]\r\nz=1\r\na=\xe9\r\n\r\n\r\n[A]\r\nk=2\r\n"));

    IniFile again = IniFile::Load(path);
    again.removeSection(QStringLiteral("B"));
    ASSERT_FALSE(again.save(path).has_value());
    const QList<IniFile::Section> sections = IniFile::Load(path).sections();
    ASSERT_EQ(sections.size(), 1);
    EXPECT_EQ(sections[0].name, QStringLiteral("A"));
    EXPECT_EQ(sections[0].keys.size(), 1);
}

TEST(IniFileTest, ASaveThatCannotCreateItsFolderSaysWhyInFrench) {
    QTemporaryDir dir;
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("file"));
    writeBytes(blocker, "x");
    const std::optional<QString> error =
        IniFile().save(QDir(blocker).filePath(QStringLiteral("Orvanel.INI")));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QStringLiteral("ne peut pas être créé"))) << error->toStdString();
}

// Damaged lines ("[NOM" without its bracket, a key without "=") once took the lines
// after them into the next name, and each save of the file changed that name again; keys
// under "[]" came back first once saved, and a byte order mark inside the file stuck to a key.
TEST(IniFileTest, DamagedLinesAreSkippedAndTheFileReadsBackTheSame) {
    const IniFile file = IniFile::Parse(
        "[SCORE\r\n "
        "\xEF\xBB\xBF\xEF\xBB\xBFTaille=9\r\n[NUMJOUEUR]\r\nPolice[X]\r\nTaille=7\rStyle="
        "1\n[]\r\nk="
        "v\r\n");
    const QList<IniFile::Section> sections = file.sections();
    ASSERT_EQ(sections.size(), 2);
    // The keys of no section, first as the file is written.
    EXPECT_EQ(sections[0].name, QString());
    EXPECT_EQ(sections[0].keys.size(), 2);
    EXPECT_EQ(file.value(QString(), QStringLiteral("Taille")), QStringLiteral("9"));
    EXPECT_EQ(sections[1].name, QStringLiteral("NUMJOUEUR"));
    EXPECT_EQ(sections[1].keys,
              (QList<std::pair<QString, QString>>{{QStringLiteral("Taille"), QStringLiteral("7")},
                                                  {QStringLiteral("Style"), QStringLiteral("1")}}));
    EXPECT_TRUE(IniFile::Parse("[]\r\n").sections().isEmpty());
    const QList<IniFile::Section> again = IniFile::Parse(file.serialize().value()).sections();
    ASSERT_EQ(again.size(), sections.size());
    for (qsizetype at = 0; at < again.size(); ++at) {
        EXPECT_EQ(again[at].name, sections[at].name);
        EXPECT_EQ(again[at].keys, sections[at].keys);
    }
}
