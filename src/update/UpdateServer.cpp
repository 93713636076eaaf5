#include "UpdateServer.h"

std::optional<QUrl> UpdateServer::Parse(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) ||
        url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment() ||
        (!url.path().isEmpty() && url.path() != QStringLiteral("/"))) {
        return std::nullopt;
    }
    QUrl server;
    server.setScheme(scheme);
    server.setHost(url.host());
    server.setPort(url.port());
    return server;
}

QString UpdateServer::AddressError(const QString& text) {
    return QStringLiteral(
               "L'adresse du serveur de mise à jour \"%1\" est incorrecte : elle s'écrit "
               "http://serveur[:port] ou https://serveur[:port].")
        .arg(text);
}

QUrl UpdateServer::FileUrl(const QUrl& server, const QString& name) {
    QUrl url = server;
    url.setPath(QStringLiteral("/telecha/") + name);
    return url;
}
