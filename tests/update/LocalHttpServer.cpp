#include "LocalHttpServer.h"

#include <QLocale>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray httpDate(const QDateTime& date) {
    return QLocale::c()
        .toString(date.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

}  // namespace

LocalHttpServer::LocalHttpServer(QObject* parent)
    : QObject(parent), server_(std::make_unique<QTcpServer>()) {
    listen();
}

LocalHttpServer::LocalHttpServer(const QSslConfiguration& tls, QObject* parent)
    : QObject(parent), tls_(true) {
    auto secure = std::make_unique<QSslServer>();
    secure->setSslConfiguration(tls);
    server_ = std::move(secure);
    listen();
}

// A TLS connection is pending once its handshake is over, so both wait for that signal.
void LocalHttpServer::listen() {
    server_->listen(QHostAddress::LocalHost);
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

LocalHttpServer::~LocalHttpServer() = default;

QUrl LocalHttpServer::url() const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2")
                    .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(server_->serverPort()));
}

QStringList LocalHttpServer::requestLines() const {
    QStringList lines;
    for (const Request& request : requests_) {
        lines << QString::fromLatin1(request.method + ' ' + request.target);
    }
    return lines;
}

void LocalHttpServer::read(QTcpSocket* socket) {
    QByteArray& buffer = pending_[socket];
    buffer += socket->readAll();
    qsizetype end = 0;
    while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        buffer.remove(0, end + 4);
        const QList<QByteArray> words = lines.first().trimmed().split(' ');
        Request request{words.value(0), words.value(1), {}};
        for (qsizetype at = 1; at < lines.size(); ++at) {
            const qsizetype colon = lines[at].indexOf(':');
            if (colon > 0) {
                request.headers.insert(lines[at].left(colon).trimmed().toLower(),
                                       lines[at].mid(colon + 1).trimmed());
            }
        }
        requests_.append(request);
        if (!silent_) {
            answer(socket, request);
        }
    }
}

void LocalHttpServer::answer(QTcpSocket* socket, const Request& request) {
    const QString path = request.target.startsWith('/')
                             ? QString::fromLatin1(request.target)
                             : QUrl(QString::fromLatin1(request.target)).path();
    if (!files_.contains(path)) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        return;
    }
    const File& file = files_[path];
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n";
    head += "Content-Length: " +
            QByteArray::number(file.announcedSize >= 0 ? file.announcedSize : file.body.size()) +
            "\r\n";
    if (file.lastModified.isValid()) {
        head += "Last-Modified: " + httpDate(file.lastModified) + "\r\n";
    }
    head += "Set-Cookie: session=1; Path=/\r\n\r\n";
    socket->write(head);
    if (request.method == "HEAD") {
        return;
    }
    if (file.chunkDelay > 0) {
        trickle(socket, file.body, file);
        return;
    }
    socket->write(file.body);
    if (file.announcedSize > file.body.size()) {
        socket->disconnectFromHost();
    }
}

void LocalHttpServer::trickle(QTcpSocket* socket, QByteArray rest, const File& file) {
    QTimer::singleShot(file.chunkDelay, socket, [this, socket, rest, file]() mutable {
        socket->write(rest.left(file.chunkSize));
        socket->flush();
        rest.remove(0, file.chunkSize);
        if (!rest.isEmpty()) {
            trickle(socket, rest, file);
        } else if (file.announcedSize > file.body.size()) {
            socket->disconnectFromHost();
        }
    });
}
