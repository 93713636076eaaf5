#include "MajInternet.h"

#include "UpdateInfo.h"
#include "UpdateLauncher.h"
#include "UpdateServer.h"
#include "UpdateSettings.h"
#include "UpdateVerifier.h"
#include "VersionText.h"

#include "core/BusyCursor.h"
#include "core/Prompter.h"
#include "core/TextFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

QString DownloadError(const HttpTransfer::Result& result) {
    const QString pattern = result.status == HttpTransfer::Status::WriteError
                                ? QStringLiteral("Erreur inconnue : %s")
                                : QStringLiteral("Erreur durant le téléchargement : %s");
    return TextFormat::format(pattern, {result.error});
}

// Replaces the target at once where the system allows it, so that a good program is
// never missing or half written.
std::optional<QString> moveOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    if (error) {
        return QString::fromLocal8Bit(error.message());
    }
    return std::nullopt;
}

}  // namespace

MajInternet::MajInternet(Options options, Prompter& prompter, BusyCursor& cursor,
                         UpdateLauncher& launcher, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      prompter_(prompter),
      cursor_(cursor),
      launcher_(launcher) {
    http_.setTimeout(options_.timeout);
    connect(&http_, &HttpTransfer::connectedChanged, this, [this](bool connected) {
        titleConnected_ = connected;
        emit changed();
    });
    connect(&http_, &HttpTransfer::downloadStarted, this, [this](qint64 total) {
        if (verbose_) {
            addMemo(QStringLiteral("Début du téléchargement..."));
        }
        barMaximum_ = total;
        barValue_ = 0;
        started_.start();
        emit changed();
    });
    connect(&http_, &HttpTransfer::downloadProgress, this, [this](qint64 received, qint64) {
        barValue_ = received;
        if (verbose_) {
            title_ = downloadTitle(received);
        }
        emit changed();
    });
    if (!options_.connected) {
        okText_ = Done();
        memo_ << QStringLiteral("Pas de connection à internet détectée.");
    }
}

QString MajInternet::updaterFile() const {
    return QDir(options_.installDirectory)
        .filePath(UpdateServer::DownloadFolder() + QLatin1Char('/') + UpdateServer::UpdaterName());
}

QString MajInternet::infoFile() const {
    return QDir(options_.installDirectory)
        .filePath(UpdateServer::DownloadFolder() + QLatin1Char('/') + UpdateServer::InfoName());
}

ProxyForm MajInternet::proxyForm() const {
    return ProxyForm::FromSettings(UpdateSettings::Load(options_.settingsPath));
}

void MajInternet::storeProxy(const ProxyForm& form) {
    UpdateSettings settings = UpdateSettings::Load(options_.settingsPath);
    form.store(settings);
    tellSaved(settings);
}

void MajInternet::cancel() {
    if (busy_) {
        cancelled_ = true;
        http_.cancel();
    }
}

void MajInternet::AutoCheck() {
    visible_ = false;
    UpdateSettings settings = UpdateSettings::Load(options_.settingsPath);
    const QDate today = options_.today();
    // Once an update is accepted, the check pauses for five days.
    if (today <= settings.lastAccepted().addDays(5)) {
        emit changed();
        return;
    }
    BusyCursorScope scope(cursor_);
    scope_ = &scope;
    const std::optional<QUrl> server = begin(settings);
    HttpTransfer::Result head;
    if (server) {
        addMemo(QStringLiteral("Connection au site en cours..."));
        head = http_.head(UpdateServer::FileUrl(*server, UpdateServer::UpdaterName()));
    }
    if (!server || cancelled_) {
        closing_ = Closing::Closed;
    } else if (!head.ok()) {
        setFirstMemo(QStringLiteral("Pas de connection internet trouvée..."));
        tell(NoConnection());
    } else {
        const QDateTime serverDate = head.lastModified.toLocalTime();
        const QString day = UpdateSettings::FormatDate(serverDate.date());
        if (serverDate.isValid()) {
            addMemo(QStringLiteral("Mise à jour trouvée du ") + day);
        }
        if (serverDate.isValid() && serverDate.date().startOfDay() > settings.lastUpdate()) {
            scope.pause();
            const bool accepted = prompter_.ask(
                Prompter::Kind::Warning, QStringLiteral("Nouvelle version trouvée en date du ") +
                                             day + QLatin1Char('\n') +
                                             QStringLiteral("Voulez-vous faire la mise à jour "
                                                            "maintenant ?"));
            scope.resume();
            settings.setDeclined(!accepted);
            if (accepted) {
                settings.setLastAccepted(today);
            }
            tellSaved(settings);
            if (accepted) {
                visible_ = true;
                busy_ = false;
                scope_ = nullptr;
                emit changed();
                DownloadUpdate();
            } else {
                closing_ = Closing::Closed;
            }
            okEnabled_ = true;
        } else {
            closing_ = Closing::Closed;
        }
    }
    cancelEnabled_ = true;
    busy_ = false;
    scope_ = nullptr;
    emit changed();
}

void MajInternet::DownloadUpdate() {
    if (!options_.connected) {
        closing_ = Closing::Abort;
        emit changed();
        return;
    }
    if (okText_ == Done()) {
        closing_ = Closing::Ok;
        emit changed();
        return;
    }
    BusyCursorScope scope(cursor_);
    scope_ = &scope;
    const UpdateSettings settings = UpdateSettings::Load(options_.settingsPath);
    if (const std::optional<QUrl> server = begin(settings)) {
        addMemo(QStringLiteral("Connection au site en cours..."));
        const HttpTransfer::Result head =
            http_.head(UpdateServer::FileUrl(*server, UpdateServer::UpdaterName()));
        if (!cancelled_ && !head.ok()) {
            tell(NoConnection());
        } else if (!cancelled_) {
            const QDateTime serverDate = head.lastModified.toLocalTime();
            if (serverDate.isValid()) {
                addMemo(QStringLiteral("Mise à jour trouvée du ") +
                        UpdateSettings::FormatDate(serverDate.date()));
            }
            setFirstMemo(QStringLiteral("Connection établie..."));
            download(*server, serverDate, settings.lastUpdate());
        }
    }
    if (cancelled_) {
        closing_ = Closing::Closed;
    }
    finish();
    scope_ = nullptr;
}

std::optional<QUrl> MajInternet::begin(const UpdateSettings& settings) {
    busy_ = true;
    cancelled_ = false;
    okEnabled_ = false;
    // "Annuler" stays available: it stops the request under way.
    cancelEnabled_ = true;
    verbose_ = true;
    memo_.clear();
    barValue_ = 0;
    http_.setProxy(settings.proxyAddress(), settings.proxyPort());
    http_.disconnectFromServer();
    emit changed();
    const QString text = options_.server.isEmpty() ? settings.server() : options_.server;
    const std::optional<QUrl> server = UpdateServer::Parse(text);
    if (!server) {
        tell(UpdateServer::AddressError(text));
    }
    return server;
}

void MajInternet::finish() {
    if (!quitRequested_) {
        okText_ = Done();
    }
    okEnabled_ = true;
    cancelEnabled_ = true;
    busy_ = false;
    emit changed();
}

void MajInternet::tell(const QString& text) {
    if (scope_ != nullptr) {
        scope_->pause();
    }
    prompter_.message(text);
    if (scope_ != nullptr) {
        scope_->resume();
    }
}

void MajInternet::addMemo(const QString& line) {
    memo_ << line;
    emit changed();
}

void MajInternet::setFirstMemo(const QString& line) {
    if (memo_.isEmpty()) {
        memo_ << line;
    } else {
        memo_.first() = line;
    }
    emit changed();
}

void MajInternet::tellSaved(const UpdateSettings& settings) {
    if (const std::optional<QString> failure = settings.save()) {
        tell(QStringLiteral("Les réglages de mise à jour ne peuvent pas être enregistrés : %1")
                 .arg(*failure));
    }
}

void MajInternet::download(const QUrl& server, const QDateTime& serverDate,
                           const QDateTime& lastUpdate) {
    verbose_ = false;
    const QString folder = QFileInfo(infoFile()).absolutePath();
    if (!QDir().mkpath(folder)) {
        tell(QStringLiteral("Le dossier \"%1\" ne peut pas être créé.")
                 .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (!fetchInfo(server)) {
        return;
    }
    const UpdateInfo info = UpdateInfo::Read(infoFile());
    for (const QString& line : info.lines) {
        addMemo(QStringLiteral("  ") + line);
    }
    if (info.version > VersionText::Program() ||
        (serverDate.isValid() && serverDate > lastUpdate)) {
        install(server, serverDate, info);
        return;
    }
    tell(QStringLiteral("Pas de nouvelles version, L'Orvanel est à jour.") + QLatin1Char('\n') +
         VersionText::ProgramText() + QStringLiteral(" en date du ") +
         UpdateSettings::FormatDate(lastUpdate.date()));
}

bool MajInternet::fetchInfo(const QUrl& server) {
    // The information file is small and only read: a failed transfer leaves it empty,
    // and the steps after read it as it is.
    QFile file(infoFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        tell(TextFormat::format(QStringLiteral("Erreur inconnue : %s"), {file.errorString()}));
        return true;
    }
    const HttpTransfer::Result result =
        http_.get(UpdateServer::FileUrl(server, UpdateServer::InfoName()), file);
    if (cancelled_) {
        return false;
    }
    if (result.ok()) {
        downloadEnded();
    } else {
        tell(DownloadError(result));
    }
    return true;
}

void MajInternet::install(const QUrl& server, const QDateTime& serverDate, const UpdateInfo& info) {
    // The temporary file keeps its handle open until it is destroyed, and a program
    // still open for writing cannot be started: it goes first.
    if (placeUpdater(server, info)) {
        start(updaterFile(), serverDate);
    }
}

bool MajInternet::placeUpdater(const QUrl& server, const UpdateInfo& info) {
    verbose_ = true;
    QTemporaryFile temporary(updaterFile() + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        tell(TextFormat::format(QStringLiteral("Erreur inconnue : %s"), {temporary.errorString()}));
        return false;
    }
    const HttpTransfer::Result result =
        http_.get(UpdateServer::FileUrl(server, UpdateServer::UpdaterName()), temporary);
    if (cancelled_) {
        return false;
    }
    const std::optional<qint64> expected = result.contentLength;
    const bool cut = expected && result.received < *expected;
    if (!result.ok() && !(cut && (result.status == HttpTransfer::Status::NetworkError ||
                                  result.status == HttpTransfer::Status::TimedOut))) {
        tell(DownloadError(result));
        return false;
    }
    if (result.ok()) {
        downloadEnded();
    }
    temporary.flush();
    temporary.seek(0);
    const UpdateVerifier::Verdict verdict = UpdateVerifier::Check(
        temporary.readAll(), expected, info.sha256, info.signature, options_.publicKey);
    if (verdict != UpdateVerifier::Verdict::Accepted) {
        tell(UpdateVerifier::Message(verdict));
        return false;
    }
    if (!info.exists) {
        return false;
    }
    addMemo(QStringLiteral("L'Orvanel va se terminer pour appliquer cette mise à jour..."));
    addMemo(QStringLiteral("Application de la mise à jour, Patientez..."));
    addMemo(QStringLiteral("A la fin vous devrez relancer L'Orvanel."));
    barMaximum_ = 80000;
    barValue_ = 0;
    title_ = QStringLiteral("Préparation de la mise à jour en cours...");
    emit changed();
    barValue_ = barMaximum_;
    emit changed();

    temporary.close();
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                             QFileDevice::ExeOther);
    if (const std::optional<QString> failure = moveOver(temporary.fileName(), updaterFile())) {
        tell(QStringLiteral("Le programme de mise à jour ne peut pas être mis en place : %1")
                 .arg(*failure));
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

void MajInternet::start(const QString& program, const QDateTime& serverDate) {
    launched_ = program;
    if (!options_.launch) {
        emit changed();
        return;
    }
    if (const std::optional<QString> failure = launcher_.launch(program)) {
        launched_.reset();
        tell(QStringLiteral("Le programme de mise à jour ne peut pas être lancé : %1")
                 .arg(*failure));
        return;
    }
    // Written once the update program runs: it waits for this program to end before it
    // reads them.
    UpdateSettings settings = UpdateSettings::Load(options_.settingsPath);
    if (serverDate.isValid()) {
        settings.setLastUpdate(serverDate);
    }
    settings.setLaunched();
    tellSaved(settings);
    quitRequested_ = true;
    emit changed();
}

QString MajInternet::downloadTitle(qint64 received) const {
    const qint64 elapsed = started_.isValid() ? started_.elapsed() : 0;
    if (elapsed < 1) {
        return TextFormat::format(QStringLiteral("Téléchargement en cours %d / %d"),
                                  {received, barMaximum_});
    }
    const double rate =
        static_cast<double>(received) / 1024.0 / (static_cast<double>(elapsed) / 1000.0);
    return TextFormat::format(
        QStringLiteral("Téléchargement en cours de %0.2f Ko sur %0.2f Ko à (%s Ko/sec)"),
        {static_cast<double>(received) / 1000.0, static_cast<double>(barMaximum_) / 1000.0,
         TextFormat::format(QStringLiteral("%0.2f"), {rate})});
}

void MajInternet::downloadEnded() {
    barValue_ = barMaximum_;
    if (verbose_) {
        addMemo(QStringLiteral("Téléchargement terminé."));
        title_ = QStringLiteral("Téléchargement 100%");
    }
    emit changed();
}
