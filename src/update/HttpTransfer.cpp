#include "HttpTransfer.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

QNetworkRequest request(const QUrl& url) {
    QNetworkRequest made(url);
    made.setRawHeader("Accept", "text/html, */*");
    made.setRawHeader("Content-Type", "text/html");
    made.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    return made;
}

}  // namespace

HttpTransfer::HttpTransfer(QObject* parent) : QObject(parent) {
    manager_.setCookieJar(new QNetworkCookieJar(&manager_));
    manager_.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void HttpTransfer::setProxy(const QString& host, quint16 port) {
    manager_.setProxy(host.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy)
                                     : QNetworkProxy(QNetworkProxy::HttpProxy, host, port));
}

HttpTransfer::Result HttpTransfer::head(const QUrl& url) {
    return run(manager_.head(request(url)), nullptr);
}

HttpTransfer::Result HttpTransfer::get(const QUrl& url, QIODevice& target) {
    return run(manager_.get(request(url)), &target);
}

void HttpTransfer::cancel() {
    cancelled_ = true;
    if (reply_) {
        reply_->abort();
    }
}

HttpTransfer::Result HttpTransfer::run(QNetworkReply* reply, QIODevice* target) {
    reply_ = reply;
    cancelled_ = false;
    Result result;
    bool timedOut = false;
    bool writeFailed = false;
    bool answered = false;
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.setInterval(timeout_);
    connect(&watchdog, &QTimer::timeout, reply, [&] {
        timedOut = true;
        reply->abort();
    });
    const auto answer = [&] {
        watchdog.start();
        if (!answered) {
            answered = true;
            result.contentLength =
                reply->header(QNetworkRequest::ContentLengthHeader).isValid()
                    ? std::optional<qint64>(
                          reply->header(QNetworkRequest::ContentLengthHeader).toLongLong())
                    : std::nullopt;
            emit connectedChanged(true);
            if (target != nullptr) {
                emit downloadStarted(result.contentLength.value_or(0));
            }
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, answer);
    connect(reply, &QNetworkReply::readyRead, this, [&] {
        answer();
        const QByteArray bytes = reply->readAll();
        if (target == nullptr) {
            return;
        }
        if (target->write(bytes) != bytes.size()) {
            writeFailed = true;
            reply->abort();
            return;
        }
        result.received += bytes.size();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [&](qint64 received, qint64 total) {
        watchdog.start();
        if (target != nullptr && answered) {
            emit downloadProgress(received, total < 0 ? 0 : total);
        }
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    watchdog.start();
    if (!reply->isFinished()) {
        loop.exec();
    }
    watchdog.stop();

    result.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (writeFailed) {
        result.status = Status::WriteError;
        result.error = target->errorString();
    } else if (cancelled_) {
        result.status = Status::Cancelled;
        result.error = QStringLiteral("téléchargement annulé");
    } else if (timedOut) {
        result.status = Status::TimedOut;
        result.error = QStringLiteral("le serveur ne répond pas");
    } else if (reply->error() != QNetworkReply::NoError) {
        result.status = status >= 400 ? Status::HttpError : Status::NetworkError;
        result.error = describe(*reply);
    } else {
        result.status = Status::Done;
    }
    if (answered) {
        emit connectedChanged(false);
    }
    // The handlers above refer to this call's locals: none may run once it returns.
    disconnect(reply, nullptr, this, nullptr);
    reply_ = nullptr;
    reply->deleteLater();
    return result;
}

QString HttpTransfer::describe(QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        return QStringLiteral("HTTP %1 %2")
            .arg(status)
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    }
    switch (reply.error()) {
        case QNetworkReply::ConnectionRefusedError:
            return QStringLiteral("connexion refusée par le serveur");
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("connexion fermée par le serveur");
        case QNetworkReply::HostNotFoundError:
            return QStringLiteral("serveur introuvable");
        case QNetworkReply::TimeoutError:
            return QStringLiteral("le serveur ne répond pas");
        case QNetworkReply::SslHandshakeFailedError:
            return QStringLiteral("la connexion sécurisée a échoué");
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyConnectionClosedError:
        case QNetworkReply::ProxyNotFoundError:
        case QNetworkReply::ProxyTimeoutError:
            return QStringLiteral("le proxy ne répond pas");
        default:
            return QStringLiteral("erreur réseau (%1)").arg(reply.errorString());
    }
}
