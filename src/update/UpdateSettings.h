#pragma once

#include "core/IniFile.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// The update settings file "Orvanel.INI": the proxy, the update server and the dates of
// the last update. It lives in the user's configuration folder. Every key is read with a
// default, so a missing file or a damaged value means the defaults and no message.
class UpdateSettings {
public:
    static QString FileName() { return QStringLiteral("Orvanel.INI"); }
    static QString ProxySection() { return QStringLiteral("MiseAJourAvecPROXY"); }
    static QString UpdateSection() { return QStringLiteral("OrvanelMiseAJour"); }
    static QString AddressKey() { return QStringLiteral("AdresseIPProxy"); }
    static QString PortKey() { return QStringLiteral("PortProxy"); }
    static QString ServerKey() { return QStringLiteral("ServeurMiseAJour"); }
    static QString LastUpdateKey() { return QStringLiteral("DateDerniereMiseAJour"); }
    static QString LastAcceptedKey() { return QStringLiteral("DerniereDateVerifieMAJ"); }
    static QString DeclinedKey() { return QStringLiteral("MAJNouvelleVersion"); }
    static QString LaunchedKey() { return QStringLiteral("MiseAJourAuto"); }

    // Where the server is when the file names none.
    static QString DefaultServer() { return QStringLiteral("https://maj.orvanel.fr"); }
    // Orvanel.INI in the user's configuration folder.
    static QString DefaultPath();

    // Dates are written day first, whatever the system's own format, so that the file
    // reads the same on every system; a date alone reads as midnight.
    static QString FormatDate(const QDate& date);
    static QString FormatDateTime(const QDateTime& dateTime);
    static std::optional<QDateTime> ParseDateTime(const QString& text);

    static UpdateSettings Load(const QString& path);

    const QString& path() const { return path_; }
    const IniFile& file() const { return file_; }
    IniFile& file() { return file_; }
    // On failure, the reason in French.
    std::optional<QString> save() const { return file_.save(path_); }

    QString proxyAddress() const;
    // 80 when the key is missing or not a port number.
    quint16 proxyPort() const;
    QString server() const;

    // The server date of the last update program launched; 01/01/1900 by default.
    QDateTime lastUpdate() const;
    void setLastUpdate(const QDateTime& serverDate);
    // The day the user last accepted a found update; 01/01/1990 by default.
    QDate lastAccepted() const;
    void setLastAccepted(const QDate& day);
    // For the update program, which reads these two keys; this program never does.
    void setDeclined(bool declined);
    void setLaunched();

private:
    QDateTime dateTime(const QString& key, const QDate& fallback) const;

    QString path_;
    IniFile file_;
};
