#include "UpdateSettings.h"

#include "core/IntegerText.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString dateFormat() {
    return QStringLiteral("dd/MM/yyyy");
}

QString dateTimeFormat() {
    return QStringLiteral("dd/MM/yyyy HH:mm:ss");
}

}  // namespace

QString UpdateSettings::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(FileName());
}

QString UpdateSettings::FormatDate(const QDate& date) {
    return date.toString(dateFormat());
}

QString UpdateSettings::FormatDateTime(const QDateTime& dateTime) {
    return dateTime.toLocalTime().toString(dateTimeFormat());
}

std::optional<QDateTime> UpdateSettings::ParseDateTime(const QString& text) {
    const QString trimmed = text.trimmed();
    QDateTime read = QDateTime::fromString(trimmed, dateTimeFormat());
    if (!read.isValid()) {
        const QDate day = QDate::fromString(trimmed, dateFormat());
        if (!day.isValid()) {
            return std::nullopt;
        }
        read = day.startOfDay();
    }
    return read;
}

UpdateSettings UpdateSettings::Load(const QString& path) {
    UpdateSettings settings;
    settings.path_ = path;
    settings.file_ = IniFile::Load(path);
    return settings;
}

QString UpdateSettings::proxyAddress() const {
    return file_.value(ProxySection(), AddressKey(), QString()).trimmed();
}

quint16 UpdateSettings::proxyPort() const {
    const std::optional<int> port =
        IntegerText::toInt(file_.value(ProxySection(), PortKey(), QString()));
    if (!port || *port < 1 || *port > 65535) {
        return 80;
    }
    return static_cast<quint16>(*port);
}

QString UpdateSettings::server() const {
    const QString server = file_.value(UpdateSection(), ServerKey(), QString()).trimmed();
    return server.isEmpty() ? DefaultServer() : server;
}

QDateTime UpdateSettings::dateTime(const QString& key, const QDate& fallback) const {
    return ParseDateTime(file_.value(UpdateSection(), key, QString()))
        .value_or(fallback.startOfDay());
}

QDateTime UpdateSettings::lastUpdate() const {
    return dateTime(LastUpdateKey(), QDate(1900, 1, 1));
}

void UpdateSettings::setLastUpdate(const QDateTime& serverDate) {
    file_.setValue(UpdateSection(), LastUpdateKey(), FormatDateTime(serverDate));
}

QDate UpdateSettings::lastAccepted() const {
    return dateTime(LastAcceptedKey(), QDate(1990, 1, 1)).date();
}

void UpdateSettings::setLastAccepted(const QDate& day) {
    file_.setValue(UpdateSection(), LastAcceptedKey(), FormatDate(day));
}

void UpdateSettings::setDeclined(bool declined) {
    file_.setValue(UpdateSection(), DeclinedKey(),
                   declined ? QStringLiteral("OUI") : QStringLiteral("NON"));
}

void UpdateSettings::setLaunched() {
    file_.setValue(UpdateSection(), LaunchedKey(), QStringLiteral("OUI"));
}
