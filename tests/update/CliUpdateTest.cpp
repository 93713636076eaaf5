#include "UpdateFixture.h"

#include "update/UpdateSettings.h"

#include "cli/CliRunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTest>
#include <QTimer>

namespace {

QJsonArray strings(const QStringList& list) {
    return QJsonArray::fromStringList(list);
}

}  // namespace

// The command line against the fixture's server, which answers from this process: the
// event loop runs while the command does.
class CliUpdateTest : public UpdateFixture {
protected:
    CliRun run(QStringList arguments) {
        const QString keyPath = QDir(dir_.path()).filePath(QStringLiteral("cle.pub"));
        QFile key(keyPath);
        key.open(QIODevice::WriteOnly);
        key.write(publicKey_.toBase64() + "\n");
        key.close();
        arguments.prepend(QStringLiteral("update"));
        arguments << QStringLiteral("--server") << server_.url().toString()
                  << QStringLiteral("--settings") << settingsPath_
                  << QStringLiteral("--install-dir") << install_ << QStringLiteral("--public-key")
                  << keyPath << QStringLiteral("--json");
        QProcess process;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        process.start(QStringLiteral(ORVANEL_CLI), arguments);
        loop.exec();
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    QString updaterPath() const {
        return QDir(install_).filePath(QStringLiteral("Telecharge/OrvanelMAJ.exe"));
    }
    bool markerAppears() const {
        const QString marker = QDir(install_).filePath(QStringLiteral("marqueur"));
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(marker) && waited.elapsed() < 10000) {
            QTest::qWait(20);
        }
        return QFileInfo::exists(marker);
    }
};

TEST_F(CliUpdateTest, AFoundUpdateIsLaunchedAndItsDatesWritten) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    const CliRun result = run({});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject json = result.json();
    EXPECT_EQ(json.keys(), (QStringList{QStringLiteral("downloaded"), QStringLiteral("launched"),
                                        QStringLiteral("memo"), QStringLiteral("messages"),
                                        QStringLiteral("settings")}));
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray(), QJsonArray());
    EXPECT_EQ(json.value(QStringLiteral("downloaded")).toArray(),
              strings({QStringLiteral("Telecharge/OrvanelInfo.txt"),
                       QStringLiteral("Telecharge/OrvanelMAJ.exe")}));
    EXPECT_EQ(json.value(QStringLiteral("launched")).toString(), updaterPath());
    const QJsonArray memo = json.value(QStringLiteral("memo")).toArray();
    EXPECT_EQ(memo.first().toString(), QStringLiteral("Connection établie..."));
    EXPECT_EQ(memo.last().toString(), QStringLiteral("A la fin vous devrez relancer L'Orvanel."));
    EXPECT_EQ(
        json.value(QStringLiteral("settings")).toObject(),
        (QJsonObject{{QStringLiteral("OrvanelMiseAJour"),
                      QJsonObject{{QStringLiteral("DateDerniereMiseAJour"),
                                   UpdateSettings::FormatDateTime(serverDate_)},
                                  {QStringLiteral("MiseAJourAuto"), QStringLiteral("OUI")}}}}));
    EXPECT_TRUE(markerAppears());
}

TEST_F(CliUpdateTest, WithoutLaunchingTheCheckedPathIsGivenAndNoDateWritten) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    const QJsonObject json = run({QStringLiteral("--no-launch")}).json();
    EXPECT_EQ(json.value(QStringLiteral("launched")).toString(), updaterPath());
    EXPECT_EQ(json.value(QStringLiteral("settings")).toObject(), QJsonObject());
    EXPECT_TRUE(QFileInfo(updaterPath()).isExecutable());
    QTest::qWait(200);
    EXPECT_FALSE(QFileInfo::exists(QDir(install_).filePath(QStringLiteral("marqueur"))));
}

TEST_F(CliUpdateTest, ARefusedUpdateGivesItsMessageAndLaunchesNothing) {
    publish("VERSION 1.05\r\n" + shaLine(Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    const QJsonObject json = run({}).json();
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray(),
              strings({QStringLiteral("Signature absente, la mise à jour est refusée.")}));
    EXPECT_EQ(json.value(QStringLiteral("downloaded")).toArray(),
              strings({QStringLiteral("Telecharge/OrvanelInfo.txt")}));
    EXPECT_TRUE(json.value(QStringLiteral("launched")).isNull());
}

TEST_F(CliUpdateTest, TheAutomaticCheckAsksAndTakesTheAnswerOfTheCommandLine) {
    publish(signedInfo("VERSION 1.05", Script()), serverDate_,
            LocalHttpServer::File::Plain(Script()));
    const QString question = QStringLiteral("Nouvelle version trouvée en date du ") +
                             serverDate_.toLocalTime().toString(QStringLiteral("dd/MM/yyyy")) +
                             QStringLiteral("\nVoulez-vous faire la mise à jour maintenant ?");
    QJsonObject json = run({QStringLiteral("--auto"), QStringLiteral("--no")}).json();
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray(), strings({question}));
    EXPECT_TRUE(json.value(QStringLiteral("launched")).isNull());
    EXPECT_EQ(json.value(QStringLiteral("downloaded")).toArray(), QJsonArray());
    EXPECT_EQ(json.value(QStringLiteral("settings")).toObject(),
              (QJsonObject{
                  {QStringLiteral("OrvanelMiseAJour"),
                   QJsonObject{{QStringLiteral("MAJNouvelleVersion"), QStringLiteral("OUI")}}}}));

    json = run({QStringLiteral("--auto"), QStringLiteral("--yes"), QStringLiteral("--no-launch")})
               .json();
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray(), strings({question}));
    EXPECT_EQ(json.value(QStringLiteral("launched")).toString(), updaterPath());
    const QJsonObject written = json.value(QStringLiteral("settings"))
                                    .toObject()
                                    .value(QStringLiteral("OrvanelMiseAJour"))
                                    .toObject();
    EXPECT_EQ(written.value(QStringLiteral("MAJNouvelleVersion")), QStringLiteral("NON"));
    EXPECT_EQ(written.value(QStringLiteral("DerniereDateVerifieMAJ")),
              QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_FALSE(written.contains(QStringLiteral("DateDerniereMiseAJour")));

    // Four days after the accepted update, the check sends nothing.
    writeSettings(
        "[OrvanelMiseAJour]\r\nDerniereDateVerifieMAJ=" +
        QDate::currentDate().addDays(-4).toString(QStringLiteral("dd/MM/yyyy")).toLatin1() +
        "\r\n");
    const qsizetype sent = server_.requests().size();
    json = run({QStringLiteral("--auto"), QStringLiteral("--yes")}).json();
    EXPECT_EQ(server_.requests().size(), sent);
    EXPECT_EQ(json.value(QStringLiteral("memo")).toArray(), QJsonArray());
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray(), QJsonArray());
}

TEST_F(CliUpdateTest, ASilentServerIsGivenUpAfterTheTimeOut) {
    server_.setSilent(true);
    const QJsonObject json = run({QStringLiteral("--timeout"), QStringLiteral("1")}).json();
    EXPECT_EQ(json.value(QStringLiteral("messages")).toArray(),
              strings({QStringLiteral("Connection internet impossible.")}));
}

TEST_F(CliUpdateTest, WrongOptionsAreRefusedBeforeAnyRequest) {
    const QString keyPath = QDir(dir_.path()).filePath(QStringLiteral("mauvaise.pub"));
    QFile key(keyPath);
    key.open(QIODevice::WriteOnly);
    key.write("pas une clé\n");
    key.close();
    const struct {
        QStringList arguments;
        QString error;
    } cases[] = {
        {{QStringLiteral("--yes"), QStringLiteral("--no")},
         QStringLiteral("Les options --yes et --no s'excluent.")},
        {{QStringLiteral("--server"), QStringLiteral("http://a/b")},
         QStringLiteral("L'adresse du serveur de mise à jour \"http://a/b\" est incorrecte : "
                        "elle s'écrit http://serveur[:port] ou https://serveur[:port].")},
        {{QStringLiteral("--public-key"), keyPath},
         QStringLiteral("Le fichier \"%1\" ne contient pas une clé publique Ed25519 (une ligne "
                        "en base64).")
             .arg(keyPath)},
    };
    for (const auto& c : cases) {
        QStringList arguments = {QStringLiteral("update")};
        arguments << c.arguments << QStringLiteral("--install-dir") << install_
                  << QStringLiteral("--settings") << settingsPath_ << QStringLiteral("--json");
        const CliRun result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.json().value(QStringLiteral("error")).toString(), c.error);
    }
    EXPECT_TRUE(server_.requests().isEmpty());
}
