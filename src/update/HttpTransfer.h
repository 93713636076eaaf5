#pragma once

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QIODevice;

// The HTTP requests of the update check: HEAD for the dates, GET into a file with its
// progress. Each call returns when its request ends, running the event loop meanwhile,
// so that the windows stay responsive and cancel() can stop it. Every wait is bounded:
// the request is given up when nothing arrives for the time-out (connection, answer or a
// gap in the data), while a slow but steady transfer goes on.
class HttpTransfer : public QObject {
    Q_OBJECT

public:
    enum class Status { Done, HttpError, NetworkError, TimedOut, Cancelled, WriteError };

    struct Result {
        Status status = Status::NetworkError;
        QString error;           // in French, for "Erreur durant le téléchargement : %s"
        QDateTime lastModified;  // invalid when the server gives none
        std::optional<qint64> contentLength;  // what the server announced
        qint64 received = 0;
        bool ok() const { return status == Status::Done; }
    };

    explicit HttpTransfer(QObject* parent = nullptr);

    // An empty host means no proxy. The proxy serves every host, the loopback included.
    void setProxy(const QString& host, quint16 port);
    void setTimeout(int milliseconds) { timeout_ = milliseconds; }
    // Closes the connections kept open, so that the next request connects afresh.
    void disconnectFromServer() { manager_.clearConnectionCache(); }

    Result head(const QUrl& url);
    Result get(const QUrl& url, QIODevice& target);
    // Stops the request under way; it returns Cancelled.
    void cancel();
    bool busy() const { return reply_ != nullptr; }

signals:
    // The server answered (true), the request is over (false).
    void connectedChanged(bool connected);
    // A download begins with the size the server announced (0 when unknown).
    void downloadStarted(qint64 total);
    void downloadProgress(qint64 received, qint64 total);

private:
    Result run(QNetworkReply* reply, QIODevice* target);
    static QString describe(QNetworkReply& reply);

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    int timeout_ = 30000;
    bool cancelled_ = false;
};
