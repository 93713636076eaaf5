#include "update/UpdateSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeSettings(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = QDir(dir.path()).filePath(UpdateSettings::FileName());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

}  // namespace

TEST(UpdateSettingsTest, AMissingFileGivesTheDefaults) {
    const UpdateSettings settings = UpdateSettings::Load(QStringLiteral("/nonexistent/x.INI"));
    EXPECT_EQ(settings.proxyAddress(), QString());
    EXPECT_EQ(settings.proxyPort(), 80);
    EXPECT_EQ(settings.server(), UpdateSettings::DefaultServer());
    EXPECT_EQ(settings.lastUpdate(), QDate(1900, 1, 1).startOfDay());
    EXPECT_EQ(settings.lastAccepted(), QDate(1990, 1, 1));
    EXPECT_TRUE(UpdateSettings::DefaultPath().endsWith(QStringLiteral("/Orvanel.INI")));
}

TEST(UpdateSettingsTest, DamagedValuesReadAsTheirDefaults) {
    QTemporaryDir dir;
    const UpdateSettings settings = UpdateSettings::Load(writeSettings(
        dir,
        "[MiseAJourAvecPROXY]\r\nAdresseIPProxy= 10.0.0.1 \r\nPortProxy=huit\r\n"
        "[OrvanelMiseAJour]\r\nDateDerniereMiseAJour=hier\r\nDerniereDateVerifieMAJ=31/02/2020\r\n"
        "ServeurMiseAJour=\r\n"));
    EXPECT_EQ(settings.proxyAddress(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(settings.proxyPort(), 80);
    EXPECT_EQ(settings.server(), UpdateSettings::DefaultServer());
    EXPECT_EQ(settings.lastUpdate(), QDate(1900, 1, 1).startOfDay());
    EXPECT_EQ(settings.lastAccepted(), QDate(1990, 1, 1));
}

TEST(UpdateSettingsTest, DatesAreDayFirstAndADateAloneIsMidnight) {
    EXPECT_EQ(UpdateSettings::ParseDateTime(QStringLiteral("12/01/2010")),
              QDateTime(QDate(2010, 1, 12), QTime(0, 0)));
    EXPECT_EQ(UpdateSettings::ParseDateTime(QStringLiteral("12/01/2010 17:05:09")),
              QDateTime(QDate(2010, 1, 12), QTime(17, 5, 9)));
    EXPECT_FALSE(UpdateSettings::ParseDateTime(QStringLiteral("2010-01-12")).has_value());

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("sub/Orvanel.INI"));
    UpdateSettings settings = UpdateSettings::Load(path);
    // The server's dates come in UTC; the file holds the local time.
    const QDateTime serverDate(QDate(2026, 12, 9), QTime(14, 30, 15), Qt::UTC);
    settings.setLastUpdate(serverDate);
    settings.setLastAccepted(QDate(2026, 12, 9));
    settings.setDeclined(false);
    settings.setLaunched();
    ASSERT_FALSE(settings.save().has_value());

    const UpdateSettings read = UpdateSettings::Load(path);
    EXPECT_EQ(read.lastUpdate(), serverDate.toLocalTime());
    EXPECT_EQ(read.lastAccepted(), QDate(2026, 12, 9));
    EXPECT_EQ(
        read.file().value(UpdateSettings::UpdateSection(), QStringLiteral("MAJNouvelleVersion")),
        QStringLiteral("NON"));
    EXPECT_EQ(read.file().value(UpdateSettings::UpdateSection(), QStringLiteral("MiseAJourAuto")),
              QStringLiteral("OUI"));
    EXPECT_EQ(
        read.file().value(UpdateSettings::UpdateSection(), QStringLiteral("DateDerniereMiseAJour")),
        serverDate.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
}
