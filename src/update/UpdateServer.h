#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The update server, written "scheme://host[:port]" (http or https, no path), and the
// addresses of its files, all under "/telecha/".
class UpdateServer {
public:
    static QString InfoName() { return QStringLiteral("OrvanelInfo.txt"); }
    static QString UpdaterName() { return QStringLiteral("OrvanelMAJ.exe"); }
    // The folder of the install directory the files are downloaded into.
    static QString DownloadFolder() { return QStringLiteral("Telecharge"); }

    // None when the text is not a server address.
    static std::optional<QUrl> Parse(const QString& text);
    static QString AddressError(const QString& text);
    static QUrl FileUrl(const QUrl& server, const QString& name);
};
