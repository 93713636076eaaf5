#include "UpdateInfo.h"

#include "VersionText.h"

#include "core/Cp1252.h"
#include "core/TextFileOpening.h"

#include <QFile>

UpdateInfo UpdateInfo::Read(const QString& path) {
    // The file came from the network: only a regular file of a bounded size is read.
    QFile file(path);
    QString reason;
    if (TextFileOpening::open(file, reason) != TextFileOpening::Status::Opened) {
        return {};
    }
    return Parse(file.read(TextFileOpening::MaxBytes));
}

UpdateInfo UpdateInfo::Parse(const QByteArray& bytes) {
    UpdateInfo info;
    info.exists = true;
    QString text = Cp1252::decode(bytes);
    text.remove(QLatin1Char('\r'));
    info.lines = text.split(QLatin1Char('\n'));
    if (info.lines.last().isEmpty()) {
        info.lines.removeLast();
    }
    if (info.lines.isEmpty() ||
        !info.lines.first().contains(QStringLiteral("VERSION"), Qt::CaseInsensitive)) {
        return info;
    }
    const QString& first = info.lines.first();
    info.version = VersionText::Read(
        first.mid(first.indexOf(QStringLiteral("VERSION"), 0, Qt::CaseInsensitive)));
    const QString shaKey = QStringLiteral("SHA256=");
    const QString signatureKey = QStringLiteral("SIGNATURE=");
    for (qsizetype at = 1; at < info.lines.size(); ++at) {
        const QString line = info.lines[at].trimmed();
        if (line.startsWith(shaKey, Qt::CaseInsensitive)) {
            info.sha256 = line.mid(shaKey.size()).trimmed();
        } else if (line.startsWith(signatureKey, Qt::CaseInsensitive)) {
            info.signature = line.mid(signatureKey.size()).trimmed();
        }
    }
    return info;
}
