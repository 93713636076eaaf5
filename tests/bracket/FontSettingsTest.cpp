#include "bracket/FontSettings.h"
#include "common/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FontSettingsFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = QDir(dir_.path()).filePath(QStringLiteral("GestionTableau.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(FontSettingsFile, AMissingFileGivesEveryDefault) {
    const FontSettings settings =
        FontSettings::Read(QDir(dir_.path()).filePath(QStringLiteral("absent.ini")));
    EXPECT_EQ(settings.style(FontSettings::Classement).Taille, 5);
    EXPECT_EQ(settings.style(FontSettings::NumQualifie).Taille, 6);
    EXPECT_EQ(settings.style(FontSettings::VainQualifie).Taille, 7);
    EXPECT_EQ(settings.style(FontSettings::ClubPays).Taille, 7);
    for (int at = 0; at < FontSettings::ElementCount; ++at) {
        const auto element = static_cast<FontSettings::Element>(at);
        EXPECT_EQ(settings.style(element).Police, QStringLiteral("Comic Sans MS"));
        EXPECT_EQ(settings.style(element).Style, 0);
    }
}

TEST_F(FontSettingsFile, ValuesAreReadAndAMissingOrUnreadableKeyKeepsItsDefault) {
    const QString path = write(
        "[CLASSEMENT]\r\nPolice=Times New Roman\r\nTaille=9\r\nStyle=1\r\n\r\n"
        "[NUMQUALIFIE]\r\nTaille=huit\r\nStyle=2\r\n"
        "[VAINQUALIFIE]\r\nPolice=Fran\xe7oise Script with a name far longer than thirty\r\n"
        "Style=3\r\n");
    const FontSettings settings = FontSettings::Read(path);
    EXPECT_EQ(settings.style(FontSettings::Classement),
              (FontSettings::TextStyle{QStringLiteral("Times New Roman"), 9, 1}));
    EXPECT_TRUE(settings.font(FontSettings::Classement).bold);
    const FontSettings::TextStyle& incoming = settings.style(FontSettings::NumQualifie);
    EXPECT_EQ(incoming.Police, QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(incoming.Taille, 6);
    EXPECT_TRUE(settings.font(FontSettings::NumQualifie).italic);
    // Windows-1252 bytes, the name cut to 30 characters.
    EXPECT_EQ(settings.style(FontSettings::VainQualifie).Police,
              QStringLiteral("Françoise Script with a name f"));
    EXPECT_TRUE(settings.font(FontSettings::VainQualifie).underline);
    EXPECT_EQ(settings.style(FontSettings::Score), FontSettings::TextStyle{});
}

TEST_F(FontSettingsFile, TheShippedFileHoldsTheDefaults) {
    const FontSettings shipped =
        FontSettings::Read(QStringLiteral(ORVANEL_SOURCE_DATA "/WDBASE/GestionTableau.ini"));
    for (int at = 0; at < FontSettings::ElementCount; ++at) {
        const auto element = static_cast<FontSettings::Element>(at);
        EXPECT_EQ(shipped.style(element), FontSettings().style(element))
            << FontSettings::SectionName(element).toStdString();
    }
}
