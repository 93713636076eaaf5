#include "UpdateFixture.h"

#include "update/UpdateSettings.h"

#include "core/BusyCursor.h"

#include <QDir>
#include <QFile>

#include <sodium.h>

namespace {

const unsigned char* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

}  // namespace

UpdateFixture::UpdateFixture() {
    EXPECT_GE(sodium_init(), 0);
    publicKey_.resize(crypto_sign_PUBLICKEYBYTES);
    secretKey_.resize(crypto_sign_SECRETKEYBYTES);
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey_.data()),
                        reinterpret_cast<unsigned char*>(secretKey_.data()));
    install_ = QDir(dir_.path()).filePath(QStringLiteral("install"));
    QDir().mkpath(install_);
    settingsPath_ = QDir(dir_.path()).filePath(QStringLiteral("config/Orvanel.INI"));
}

QByteArray UpdateFixture::shaLine(const QByteArray& body) const {
    QByteArray sum(crypto_hash_sha256_BYTES, '\0');
    crypto_hash_sha256(reinterpret_cast<unsigned char*>(sum.data()), bytesOf(body),
                       static_cast<unsigned long long>(body.size()));
    return "SHA256=" + sum.toHex() + "\r\n";
}

QByteArray UpdateFixture::signatureLine(const QByteArray& body, const QByteArray& secretKey) const {
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr, bytesOf(body),
                         static_cast<unsigned long long>(body.size()), bytesOf(secretKey));
    return "SIGNATURE=" + signature.toBase64() + "\r\n";
}

QByteArray UpdateFixture::signedInfo(const QByteArray& versionLine, const QByteArray& body) const {
    return versionLine + "\r\n" + shaLine(body) + signatureLine(body, secretKey_) +
           "Nouveaut\xe9s : tableaux plus rapides\r\n";
}

void UpdateFixture::publish(const QByteArray& info, const QDateTime& serverDate,
                            const LocalHttpServer::File& updater) {
    server_.serve(Info(), LocalHttpServer::File::Plain(info, serverDate));
    LocalHttpServer::File dated = updater;
    dated.lastModified = serverDate;
    server_.serve(Updater(), dated);
}

void UpdateFixture::writeSettings(const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    QFile file(settingsPath_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString UpdateFixture::setting(const QString& key) const {
    return UpdateSettings::Load(settingsPath_)
        .file()
        .value(UpdateSettings::UpdateSection(), key, QStringLiteral("(absent)"));
}

QStringList UpdateFixture::downloadFolder() const {
    return QDir(QDir(install_).filePath(QStringLiteral("Telecharge")))
        .entryList(QDir::Files, QDir::Name);
}

MajInternet::Options UpdateFixture::options() const {
    MajInternet::Options made;
    made.installDirectory = install_;
    made.settingsPath = settingsPath_;
    made.server = server_.url().toString();
    made.publicKey = publicKey_;
    made.timeout = 2000;
    made.today = [this] { return today_; };
    return made;
}

MajInternet& UpdateFixture::window() {
    if (!window_) {
        window_ =
            std::make_unique<MajInternet>(options(), prompter_, BusyCursor::none(), launcher_);
    }
    return *window_;
}
