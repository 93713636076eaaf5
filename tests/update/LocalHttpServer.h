#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <memory>

class QTcpSocket;

// A small HTTP/1.1 (or HTTPS) server on 127.0.0.1, in the test's own thread: it serves files by
// path, records every request it receives, and can misbehave on purpose (announce more
// bytes than it sends, trickle its data, or never answer). A request for an absolute
// URL, as a client sends it to a proxy, is served by the URL's path, so the same server
// stands for a proxy too.
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    struct File {
        QByteArray body;
        QDateTime lastModified;
        qint64 announcedSize = -1;  // Content-Length when it is not the body's size
        int chunkDelay = 0;         // milliseconds between chunks of chunkSize bytes
        qsizetype chunkSize = 0;

        static File Plain(const QByteArray& body, const QDateTime& lastModified = {}) {
            File file;
            file.body = body;
            file.lastModified = lastModified;
            return file;
        }
        // Announces the whole body, sends its first `sent` bytes and closes.
        static File Cut(const QByteArray& body, qsizetype sent) {
            File file = Plain(body.left(sent));
            file.announcedSize = body.size();
            return file;
        }
        static File Slow(const QByteArray& body, int delay, qsizetype chunk) {
            File file = Plain(body);
            file.chunkDelay = delay;
            file.chunkSize = chunk;
            return file;
        }
    };
    struct Request {
        QByteArray method;
        QByteArray target;                      // as the request line gives it
        QHash<QByteArray, QByteArray> headers;  // names in lower case
    };

    explicit LocalHttpServer(QObject* parent = nullptr);
    // The same server over TLS, with the configuration's certificate and key.
    explicit LocalHttpServer(const QSslConfiguration& tls, QObject* parent = nullptr);
    ~LocalHttpServer() override;

    QUrl url() const;
    void serve(const QString& path, const File& file) { files_.insert(path, file); }
    void forget(const QString& path) { files_.remove(path); }
    // Connections are accepted and never answered.
    void setSilent(bool silent) { silent_ = silent; }
    const QList<Request>& requests() const { return requests_; }
    QStringList requestLines() const;

private:
    void read(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Request& request);
    void trickle(QTcpSocket* socket, QByteArray rest, const File& file);

    void listen();

    std::unique_ptr<QTcpServer> server_;
    bool tls_ = false;
    QHash<QString, File> files_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QList<Request> requests_;
    bool silent_ = false;
};
