#include "UpdateFixture.h"

#include "update/UpdateSettings.h"

#include "core/BusyCursor.h"

namespace {

QString question(const QDateTime& serverDate) {
    return QStringLiteral("Nouvelle version trouvée en date du ") +
           serverDate.toLocalTime().toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral("\nVoulez-vous faire la mise à jour maintenant ?");
}

}  // namespace

using AutoCheckTest = UpdateFixture;

TEST_F(AutoCheckTest, FourDaysAfterAnAcceptedUpdateNothingIsSent) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nDerniereDateVerifieMAJ=05/12/2026\r\n");
    window().AutoCheck();
    EXPECT_TRUE(server_.requests().isEmpty());
    EXPECT_TRUE(prompter_.entries().isEmpty());
    EXPECT_FALSE(window().visible());
}

TEST_F(AutoCheckTest, AFoundUpdateAsksAndADeclineIsWrittenForTheUpdateProgram) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nDerniereDateVerifieMAJ=03/12/2026\r\n");
    prompter_.queueAnswer(false);
    window().AutoCheck();

    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_TRUE(prompter_.entries().first().question);
    EXPECT_EQ(prompter_.entries().first().kind, Prompter::Kind::Warning);
    EXPECT_EQ(prompter_.texts(), QStringList{question(serverDate_)});
    EXPECT_EQ(server_.requestLines(), QStringList{QStringLiteral("HEAD /telecha/OrvanelMAJ.exe")});
    EXPECT_EQ(setting(QStringLiteral("MAJNouvelleVersion")), QStringLiteral("OUI"));
    EXPECT_EQ(setting(QStringLiteral("DerniereDateVerifieMAJ")), QStringLiteral("03/12/2026"));
    EXPECT_EQ(window().closing(), MajInternet::Closing::Closed);
    EXPECT_TRUE(launcher_.started.isEmpty());
}

TEST_F(AutoCheckTest, AnAcceptedUpdateIsDownloadedAndTheNextCheckFindsNothing) {
    publish(signedInfo("VERSION 1.00", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    prompter_.queueAnswer(true);
    window().AutoCheck();
    EXPECT_EQ(prompter_.texts(), QStringList{question(serverDate_)});
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(launcher_.started.size(), 1);
    EXPECT_EQ(setting(QStringLiteral("MAJNouvelleVersion")), QStringLiteral("NON"));
    EXPECT_EQ(setting(QStringLiteral("DerniereDateVerifieMAJ")), QStringLiteral("09/12/2026"));
    EXPECT_EQ(setting(QStringLiteral("DateDerniereMiseAJour")),
              UpdateSettings::FormatDateTime(serverDate_));

    // Six days later, against the same server: the server's date is the one launched.
    window_.reset();
    prompter_.clear();
    today_ = today_.addDays(6);
    window().AutoCheck();
    EXPECT_TRUE(prompter_.entries().isEmpty());
    EXPECT_EQ(window().closing(), MajInternet::Closing::Closed);
    EXPECT_EQ(launcher_.started.size(), 1);
}

TEST_F(AutoCheckTest, AServerThatDoesNotAnswerIsReportedOnce) {
    server_.setSilent(true);
    MajInternet::Options quick = options();
    quick.timeout = 300;
    MajInternet window(quick, prompter_, BusyCursor::none(), launcher_);
    window.AutoCheck();
    EXPECT_EQ(prompter_.texts(), QStringList{QStringLiteral("Connection internet impossible.")});
    EXPECT_EQ(window.memo().first(), QStringLiteral("Pas de connection internet trouvée..."));
    EXPECT_TRUE(window.cancelEnabled());
    EXPECT_FALSE(window.visible());
}
