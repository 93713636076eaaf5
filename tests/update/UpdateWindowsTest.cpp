#include "UpdateFixture.h"

#include "update/TDlgParametreProxy.h"
#include "update/TForm1MAJInternet.h"
#include "update/UpdateSettings.h"

#include "common/FindControl.h"
#include "core/BusyCursor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using UpdateWindowTest = UpdateFixture;

TEST_F(UpdateWindowTest, StartShowsTheLogicsMemoMessagesAndButtons) {
    publish("VERSION 1.00\r\n", serverDate_, LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nDateDerniereMiseAJour=" +
                  UpdateSettings::FormatDateTime(serverDate_).toLatin1() + "\r\n");
    TForm1MAJInternet window(options(), prompter_, BusyCursor::none(), launcher_);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mise à Jour de l'Orvanel"));
    EXPECT_EQ(window.size(), QSize(476, 372));
    auto* start = FindControl<QPushButton>(window, "OKBtn");
    EXPECT_EQ(start->text(), QStringLiteral("Démarrer"));
    EXPECT_EQ(FindControl<QLabel>(window, "Label1Titre")->text(),
              QStringLiteral("Téléchager la mise à jour de l'Orvanel"));

    start->click();
    EXPECT_EQ(FindControl<QPlainTextEdit>(window, "Memo1Informations")->toPlainText(),
              window.logic().memo().join(u'\n'));
    EXPECT_TRUE(window.logic().memo().contains(QStringLiteral("  VERSION 1.00")));
    EXPECT_EQ(prompter_.texts().size(), 1);
    EXPECT_EQ(start->text(), QStringLiteral("Terminé"));
    EXPECT_TRUE(window.isVisible());

    start->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(UpdateWindowTest, CancelDuringADownloadStopsItAndClosesTheWindow) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Slow(Script(), 100, 4));
    TForm1MAJInternet window(options(), prompter_, BusyCursor::none(), launcher_);
    window.show();
    auto* cancel = FindControl<QPushButton>(window, "CancelBtn");
    auto* bar = FindControl<QProgressBar>(window, "ProgressBar1");
    // The click reaches "Annuler" while the transfer runs: the window is responsive.
    QObject::connect(bar, &QProgressBar::valueChanged, cancel, [cancel](int value) {
        if (value > 0 && cancel->isEnabled()) {
            QTimer::singleShot(0, cancel, &QPushButton::click);
        }
    });
    FindControl<QPushButton>(window, "OKBtn")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(launcher_.started.isEmpty());
    EXPECT_EQ(downloadFolder(), QStringList{QStringLiteral("OrvanelInfo.txt")});
}

TEST_F(UpdateWindowTest, TheProxyButtonOpensTheDialogAndItsOkStoresTheProxy) {
    TForm1MAJInternet window(options(), prompter_, BusyCursor::none(), launcher_);
    window.show();
    QString caption;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        auto* address = FindControl<QLineEdit>(*dialog, "EditAdresseIPProxy");
        EXPECT_EQ(address, dialog->focusWidget());
        QTest::keyClicks(address, QStringLiteral("10a.0,.0.7"));
        auto* port = FindControl<QLineEdit>(*dialog, "EditPortProxy");
        port->clear();
        QTest::keyClicks(port, QStringLiteral("31x28"));
        FindControl<QPushButton>(*dialog, "OKBtn")->click();
    });
    FindControl<QToolButton>(window, "SpeedButton1Proxy")->click();
    EXPECT_EQ(caption, QStringLiteral("Paramètres Proxy"));
    const UpdateSettings settings = UpdateSettings::Load(settingsPath_);
    EXPECT_EQ(settings.proxyAddress(), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(settings.proxyPort(), 3128);
}

TEST_F(UpdateWindowTest, TheProxyDialogStaysOpenOnAWrongForm) {
    TDlgParametreProxy dialog({QStringLiteral("192.168.1"), QString()}, prompter_);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(219, 160));
    FindControl<QPushButton>(dialog, "OKBtn")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter_.texts(),
              (QStringList{QStringLiteral("ERREUR sur le numéro de port."),
                           QStringLiteral("ERREUR sur l'adresse IP du Proxy.")}));
    FindControl<QPushButton>(dialog, "CancelBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(UpdateWindowTest, AnUpdateAcceptedAtStartUpShowsTheWindowAndEndsTheProgram) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    prompter_.queueAnswer(true);
    TForm1MAJInternet window(options(), prompter_, BusyCursor::none(), launcher_);
    bool shownWhileDownloading = false;
    QObject::connect(&window.logic(), &MajInternet::changed, &window, [&] {
        shownWhileDownloading =
            shownWhileDownloading || (window.isVisible() && window.logic().busy());
    });
    window.AutoCheck();
    EXPECT_TRUE(shownWhileDownloading);
    EXPECT_TRUE(window.quitRequested());
    EXPECT_EQ(launcher_.started.size(), 1);
    EXPECT_FALSE(window.isVisible());
}
