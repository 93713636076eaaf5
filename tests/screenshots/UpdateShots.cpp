#include "UpdateShots.h"

#include "update/LocalHttpServer.h"

#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "update/TDlgParametreProxy.h"
#include "update/TForm1MAJInternet.h"
#include "update/UpdateLauncher.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <sodium.h>

namespace {

// Starts nothing: the picture is taken before the program would end.
class NoLauncher : public UpdateLauncher {
public:
    std::optional<QString> launch(const QString&) override { return std::nullopt; }
};

QByteArray signatureLine(const QByteArray& body, const QByteArray& secretKey) {
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(body.constData()),
                         static_cast<unsigned long long>(body.size()),
                         reinterpret_cast<const unsigned char*>(secretKey.constData()));
    return "SIGNATURE=" + signature.toBase64() + "\r\n";
}

}  // namespace

bool takeUpdateShots(const QDir& output, const SaveWindow& save) {
    if (sodium_init() < 0) {
        return false;
    }
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                        reinterpret_cast<unsigned char*>(secretKey.data()));
    const QByteArray updater(48 * 1024, 'u');
    const QDateTime published(QDate(2026, 11, 20), QTime(10, 30), Qt::UTC);
    LocalHttpServer server;
    server.serve(QStringLiteral("/telecha/OrvanelInfo.txt"),
                 LocalHttpServer::File::Plain("VERSION 1.05 du 20/11/2026\r\n" +
                                                  signatureLine(updater, secretKey) +
                                                  "Tableaux de 1024 entr\xe9\x65s plus rapides\r\n"
                                                  "Impression des escaliers sur A3\r\n",
                                              published));
    server.serve(QStringLiteral("/telecha/OrvanelMAJ.exe"),
                 LocalHttpServer::File::Plain(updater, published));

    QTemporaryDir work;
    MajInternet::Options options;
    options.installDirectory = work.path();
    options.settingsPath = work.filePath(QStringLiteral("Orvanel.INI"));
    options.server = server.url().toString();
    options.publicKey = publicKey;
    options.launch = false;
    ScriptedPrompter prompter;
    NoLauncher launcher;
    TForm1MAJInternet window(options, prompter, BusyCursor::none(), launcher);
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    const bool shown = window.logic().launched().has_value() &&
                       save(window, output.filePath(QStringLiteral("update-window.png")));
    TDlgParametreProxy proxy({QStringLiteral("192.168.1.10"), QStringLiteral("8080")}, prompter);
    return save(proxy, output.filePath(QStringLiteral("proxy-dialog.png"))) && shown;
}
