#include "UpdateFixture.h"

#include "update/UpdateSettings.h"

#include "core/BusyCursor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTest>

#include <sodium.h>

namespace {

QString dayOf(const QDateTime& date) {
    return date.toLocalTime().toString(QStringLiteral("dd/MM/yyyy"));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

using DownloadUpdateTest = UpdateFixture;

TEST_F(DownloadUpdateTest, NothingNewerOnTheServerSaysTheProgramIsUpToDate) {
    publish("VERSION 1.00\r\n", serverDate_, LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nDateDerniereMiseAJour=" +
                  UpdateSettings::FormatDateTime(serverDate_).toLatin1() + "\r\n");
    window().DownloadUpdate();

    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("Pas de nouvelles version, L'Orvanel est à jour.\n"
                                         "Version 1.00 en date du ") +
                          dayOf(serverDate_)});
    EXPECT_EQ(window().memo(),
              (QStringList{QStringLiteral("Connection établie..."),
                           QStringLiteral("Mise à jour trouvée du ") + dayOf(serverDate_),
                           QStringLiteral("  VERSION 1.00")}));
    EXPECT_EQ(server_.requestLines(),
              (QStringList{QStringLiteral("HEAD /telecha/OrvanelMAJ.exe"),
                           QStringLiteral("GET /telecha/OrvanelInfo.txt")}));
    EXPECT_EQ(window().okText(), QStringLiteral("Terminé"));
    EXPECT_TRUE(window().okEnabled() && window().cancelEnabled());
    EXPECT_FALSE(window().launched().has_value());
    EXPECT_TRUE(launcher_.started.isEmpty());

    // "Terminé" closes the window.
    window().DownloadUpdate();
    EXPECT_EQ(window().closing(), MajInternet::Closing::Ok);
}

TEST_F(DownloadUpdateTest, ANewerVersionIsDownloadedCheckedAndLaunched) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nDateDerniereMiseAJour=01/12/2026 08:00:00\r\n");
    window().DownloadUpdate();

    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join(u'|').toStdString();
    const QString updater = QDir(install_).filePath(QStringLiteral("Telecharge/OrvanelMAJ.exe"));
    EXPECT_EQ(launcher_.started, QStringList{updater});
    EXPECT_EQ(window().launched(), updater);
    EXPECT_TRUE(window().quitRequested());
    EXPECT_EQ(readFile(updater), Script());
    EXPECT_TRUE(QFileInfo(updater).isExecutable());
    EXPECT_EQ(downloadFolder(),
              (QStringList{QStringLiteral("OrvanelInfo.txt"), QStringLiteral("OrvanelMAJ.exe")}));
    EXPECT_EQ(window().memo().mid(window().memo().size() - 5),
              (QStringList{QStringLiteral("Début du téléchargement..."),
                           QStringLiteral("Téléchargement terminé."),
                           QStringLiteral("L'Orvanel va se terminer pour appliquer cette mise à "
                                          "jour..."),
                           QStringLiteral("Application de la mise à jour, Patientez..."),
                           QStringLiteral("A la fin vous devrez relancer L'Orvanel.")}));
    EXPECT_EQ(window().memo().at(3),
              QStringLiteral("  ") + QString::fromLatin1(shaLine(Script()).trimmed()));
    EXPECT_EQ(window().memo().at(5), QStringLiteral("  Nouveautés : tableaux plus rapides"));
    EXPECT_EQ(window().title(), QStringLiteral("Préparation de la mise à jour en cours..."));
    EXPECT_EQ(window().barMaximum(), 80000);
    EXPECT_EQ(window().barValue(), 80000);
    EXPECT_EQ(setting(QStringLiteral("DateDerniereMiseAJour")),
              UpdateSettings::FormatDateTime(serverDate_));
    EXPECT_EQ(setting(QStringLiteral("MiseAJourAuto")), QStringLiteral("OUI"));

    // Every request carries the program's headers, and the server's cookie comes back.
    ASSERT_EQ(server_.requests().size(), 3);
    for (const LocalHttpServer::Request& request : server_.requests()) {
        EXPECT_EQ(request.headers.value("accept"), "text/html, */*");
        EXPECT_EQ(request.headers.value("content-type"), "text/html");
        EXPECT_EQ(request.headers.value("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
    }
    EXPECT_EQ(server_.requests().last().headers.value("cookie"), "session=1");
}

TEST_F(DownloadUpdateTest, ANewerServerDateFindsAnUpdateOfTheSameVersion) {
    publish(signedInfo("VERSION 1.00", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nDateDerniereMiseAJour=19/11/2026\r\n");
    window().DownloadUpdate();
    EXPECT_EQ(launcher_.started.size(), 1);
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

TEST_F(DownloadUpdateTest, ARefusedUpdateIsNeitherLaunchedNorKeptAndReplacesNothing) {
    const QByteArray other = "#!/bin/sh\necho autre > marqueur\n";
    QByteArray otherKey(crypto_sign_SECRETKEYBYTES, '\0');
    QByteArray otherPublic(crypto_sign_PUBLICKEYBYTES, '\0');
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(otherPublic.data()),
                        reinterpret_cast<unsigned char*>(otherKey.data()));
    struct Refusal {
        const char* name;
        QByteArray info;
        LocalHttpServer::File updater;
        QString message;
    };
    const QByteArray version = "VERSION 1.05\r\n";
    const Refusal refusals[] = {
        {"truncated", signedInfo("VERSION 1.05", Script()),
         LocalHttpServer::File::Cut(Script(), 10),
         QStringLiteral("Téléchargement incomplet, la mise à jour est refusée.")},
        {"checksum", version + shaLine(other) + signatureLine(Script(), secretKey_),
         LocalHttpServer::File::Plain(Script()),
         QStringLiteral("Somme de contrôle incorrecte, la mise à jour est refusée.")},
        {"other key", version + shaLine(Script()) + signatureLine(Script(), otherKey),
         LocalHttpServer::File::Plain(Script()),
         QStringLiteral("Signature invalide, la mise à jour est refusée.")},
        {"other file", version + signatureLine(other, secretKey_),
         LocalHttpServer::File::Plain(Script()),
         QStringLiteral("Signature invalide, la mise à jour est refusée.")},
        {"not base64", version + "SIGNATURE=pas-une-signature\r\n",
         LocalHttpServer::File::Plain(Script()),
         QStringLiteral("Signature invalide, la mise à jour est refusée.")},
        {"unsigned", version + shaLine(Script()), LocalHttpServer::File::Plain(Script()),
         QStringLiteral("Signature absente, la mise à jour est refusée.")},
    };
    const QString updater = QDir(install_).filePath(QStringLiteral("Telecharge/OrvanelMAJ.exe"));
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        window_.reset();
        prompter_.clear();
        QDir().mkpath(QFileInfo(updater).absolutePath());
        QFile::remove(updater);
        QFile good(updater);
        ASSERT_TRUE(good.open(QIODevice::WriteOnly));
        good.write("bon programme");
        good.close();
        publish(refusal.info, serverDate_, refusal.updater);
        window().DownloadUpdate();

        EXPECT_EQ(prompter_.texts(), QStringList{refusal.message});
        EXPECT_TRUE(launcher_.started.isEmpty());
        EXPECT_FALSE(window().launched().has_value());
        EXPECT_FALSE(window().memo().contains(
            QStringLiteral("L'Orvanel va se terminer pour appliquer cette mise à jour...")));
        EXPECT_EQ(readFile(updater), "bon programme");
        EXPECT_EQ(downloadFolder(), (QStringList{QStringLiteral("OrvanelInfo.txt"),
                                                 QStringLiteral("OrvanelMAJ.exe")}));
        EXPECT_EQ(setting(QStringLiteral("DateDerniereMiseAJour")), QStringLiteral("(absent)"));
        EXPECT_EQ(window().okText(), QStringLiteral("Terminé"));
    }
}

TEST_F(DownloadUpdateTest, AMissingInformationFileIsToldAndTheCheckGoesOn) {
    publish({}, serverDate_, LocalHttpServer::File::Plain(Script()));
    server_.forget(Info());
    window().DownloadUpdate();
    // Found by its date, the update has no signature to check.
    EXPECT_EQ(prompter_.texts(),
              (QStringList{QStringLiteral("Erreur durant le téléchargement : HTTP 404 Not Found"),
                           QStringLiteral("Signature absente, la mise à jour est refusée.")}));
    EXPECT_TRUE(launcher_.started.isEmpty());
}

TEST_F(DownloadUpdateTest, ASignatureIsRequiredWhateverTheSettingsSay) {
    publish("VERSION 1.05\r\n" + shaLine(Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    writeSettings("[OrvanelMiseAJour]\r\nSignatureObligatoire=NON\r\n");
    window().DownloadUpdate();
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("Signature absente, la mise à jour est refusée.")});
    EXPECT_TRUE(launcher_.started.isEmpty());
}

TEST_F(DownloadUpdateTest, AGoodSignedUpdateRunsDetachedInTheInstallFolder) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    DetachedLauncher launcher(install_);
    MajInternet window(options(), prompter_, BusyCursor::none(), launcher);
    window.DownloadUpdate();
    ASSERT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join(u'|').toStdString();
    const QString marker = QDir(install_).filePath(QStringLiteral("marqueur"));
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(marker) && waited.elapsed() < 10000) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(QFileInfo::exists(marker));
    EXPECT_TRUE(window.quitRequested());
}

TEST_F(DownloadUpdateTest, AFailedLaunchTellsTheReasonAndWritesNoDate) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    launcher_.failure = QStringLiteral("permission refusée");
    window().DownloadUpdate();
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral(
                  "Le programme de mise à jour ne peut pas être lancé : permission refusée")});
    EXPECT_FALSE(window().quitRequested());
    EXPECT_FALSE(window().launched().has_value());
    EXPECT_EQ(setting(QStringLiteral("MiseAJourAuto")), QStringLiteral("(absent)"));
}

TEST_F(DownloadUpdateTest, WithoutLaunchingEverythingIsCheckedAndNoDateIsWritten) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    MajInternet::Options dry = options();
    dry.launch = false;
    MajInternet window(dry, prompter_, BusyCursor::none(), launcher_);
    window.DownloadUpdate();
    EXPECT_EQ(window.launched(),
              QDir(install_).filePath(QStringLiteral("Telecharge/OrvanelMAJ.exe")));
    EXPECT_TRUE(launcher_.started.isEmpty());
    EXPECT_FALSE(window.quitRequested());
    EXPECT_EQ(setting(QStringLiteral("DateDerniereMiseAJour")), QStringLiteral("(absent)"));
    EXPECT_EQ(setting(QStringLiteral("MiseAJourAuto")), QStringLiteral("(absent)"));
}

TEST_F(DownloadUpdateTest, TheProxyOfTheSettingsCarriesEveryRequest) {
    LocalHttpServer proxy;
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    proxy.serve(Info(),
                LocalHttpServer::File::Plain(signedInfo("VERSION 1.05", Script()), serverDate_));
    proxy.serve(Updater(), LocalHttpServer::File::Plain(Script(), serverDate_));
    writeSettings("[MiseAJourAvecPROXY]\r\nAdresseIPProxy=127.0.0.1\r\nPortProxy=" +
                  QByteArray::number(proxy.url().port()) + "\r\n");
    window().DownloadUpdate();

    const QString origin = server_.url().toString();
    EXPECT_TRUE(server_.requests().isEmpty());
    EXPECT_EQ(proxy.requestLines(), (QStringList{QStringLiteral("HEAD ") + origin + Updater(),
                                                 QStringLiteral("GET ") + origin + Info(),
                                                 QStringLiteral("GET ") + origin + Updater()}));
    EXPECT_EQ(launcher_.started.size(), 1);
}

TEST_F(DownloadUpdateTest, ASilentServerTimesOutAndASlowSteadyOneCompletes) {
    MajInternet::Options quick = options();
    quick.timeout = 300;
    server_.setSilent(true);
    {
        MajInternet window(quick, prompter_, BusyCursor::none(), launcher_);
        window.DownloadUpdate();
        EXPECT_EQ(prompter_.texts(),
                  QStringList{QStringLiteral("Connection internet impossible.")});
        EXPECT_EQ(window.okText(), QStringLiteral("Terminé"));
    }
    server_.setSilent(false);
    prompter_.clear();
    // Fifteen gaps of 100 ms: more than the time-out in all, much less than it each.
    quick.timeout = 1000;
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Slow(Script(), 100, Script().size() / 15 + 1));
    MajInternet window(quick, prompter_, BusyCursor::none(), launcher_);
    QStringList titles;
    QObject::connect(&window, &MajInternet::changed, &window, [&] { titles << window.title(); });
    window.DownloadUpdate();
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join(u'|').toStdString();
    EXPECT_EQ(launcher_.started.size(), 1);
    EXPECT_TRUE(titles.filter(QStringLiteral("Téléchargement en cours de ")).size() >= 2);
}

TEST_F(DownloadUpdateTest, CancellingStopsTheDownloadAndKeepsNothing) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Slow(Script(), 100, 4));
    QObject::connect(&window(), &MajInternet::changed, &window(), [this] {
        if (window().barValue() > 0 && window().busy()) {
            window().cancel();
        }
    });
    window().DownloadUpdate();
    EXPECT_TRUE(prompter_.texts().isEmpty());
    EXPECT_TRUE(launcher_.started.isEmpty());
    EXPECT_EQ(window().closing(), MajInternet::Closing::Closed);
    EXPECT_EQ(downloadFolder(), QStringList{QStringLiteral("OrvanelInfo.txt")});
}

TEST_F(DownloadUpdateTest, OfflineAtCreationTheButtonSaysDoneAndClosesWithAbort) {
    MajInternet::Options offline = options();
    offline.connected = false;
    MajInternet window(offline, prompter_, BusyCursor::none(), launcher_);
    EXPECT_EQ(window.okText(), QStringLiteral("Terminé"));
    EXPECT_EQ(window.memo(), QStringList{QStringLiteral("Pas de connection à internet détectée.")});
    window.DownloadUpdate();
    EXPECT_EQ(window.closing(), MajInternet::Closing::Abort);
    EXPECT_TRUE(server_.requests().isEmpty());
}

TEST_F(DownloadUpdateTest, AWrongServerAddressIsToldAndNothingIsSent) {
    MajInternet::Options wrong = options();
    wrong.server = QStringLiteral("ftp://127.0.0.1/telecha");
    MajInternet window(wrong, prompter_, BusyCursor::none(), launcher_);
    window.DownloadUpdate();
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("L'adresse du serveur de mise à jour "
                                         "\"ftp://127.0.0.1/telecha\" est incorrecte : elle "
                                         "s'écrit http://serveur[:port] ou "
                                         "https://serveur[:port].")});
    EXPECT_TRUE(server_.requests().isEmpty());
}

TEST_F(DownloadUpdateTest, FilesThatCannotBeWrittenAreToldAsSuch) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    // A file where the download folder and the settings folder would go.
    QFile blocker(QDir(install_).filePath(QStringLiteral("Telecharge")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    window().DownloadUpdate();
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral("Le dossier \"%1\" ne peut pas être créé.")
                              .arg(QDir::toNativeSeparators(blocker.fileName()))});
    EXPECT_TRUE(launcher_.started.isEmpty());

    QFile::remove(blocker.fileName());
    QFile config(QFileInfo(settingsPath_).absolutePath());
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.close();
    window_.reset();
    prompter_.clear();
    window().DownloadUpdate();
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts().first().startsWith(
        QStringLiteral("Les réglages de mise à jour ne peuvent pas être enregistrés : ")));
    EXPECT_EQ(launcher_.started.size(), 1);
}

TEST_F(DownloadUpdateTest, AnHttpsServerServesTheUpdateToo) {
    if (!QSslSocket::supportsSsl() ||
        QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty()) {
        GTEST_SKIP() << "no TLS here";
    }
    const QString key = dir_.filePath(QStringLiteral("serveur.key"));
    const QString certificate = dir_.filePath(QStringLiteral("serveur.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificate,
                   QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1")});
    ASSERT_TRUE(openssl.waitForFinished(30000) && openssl.exitCode() == 0)
        << openssl.readAllStandardError().toStdString();
    QFile keyFile(key);
    QFile certificateFile(certificate);
    ASSERT_TRUE(keyFile.open(QIODevice::ReadOnly) && certificateFile.open(QIODevice::ReadOnly));
    const QSslCertificate trusted(certificateFile.readAll());
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(trusted);
    tls.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Ec));
    // The client trusts the test's certificate for this test only.
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration client = saved;
    client.addCaCertificate(trusted);
    QSslConfiguration::setDefaultConfiguration(client);

    LocalHttpServer secure(tls);
    secure.serve(Info(),
                 LocalHttpServer::File::Plain(signedInfo("VERSION 1.05", Script()), serverDate_));
    secure.serve(Updater(), LocalHttpServer::File::Plain(Script(), serverDate_));
    MajInternet::Options https = options();
    https.server = secure.url().toString();
    MajInternet window(https, prompter_, BusyCursor::none(), launcher_);
    window.DownloadUpdate();
    QSslConfiguration::setDefaultConfiguration(saved);

    EXPECT_TRUE(https.server.startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join(u'|').toStdString();
    EXPECT_EQ(secure.requests().size(), 3);
    EXPECT_EQ(launcher_.started.size(), 1);
}
