#include "TextFileOpening.h"

#include "FileErrorText.h"

#include <QFile>
#include <QFileInfo>

TextFileOpening::Status TextFileOpening::open(QFile& file, QString& reason, qint64 maxBytes) {
    const QFileInfo info(file.fileName());
    // A dangling link is a missing file too.
    if (!info.exists()) {
        return Status::Missing;
    }
    if (info.isDir()) {
        reason = QStringLiteral("c'est un dossier, pas un fichier");
        return Status::Refused;
    }
    // Checked before opening: opening a FIFO for reading waits for a writer.
    if (!info.isFile()) {
        reason = QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou prise)");
        return Status::Refused;
    }
    if (info.size() > maxBytes) {
        reason = tooLargeReason(maxBytes);
        return Status::Refused;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reason = FileErrorText::describe(file);
        return Status::Refused;
    }
    return Status::Opened;
}

QString TextFileOpening::tooLargeReason(qint64 maxBytes) {
    return QStringLiteral("le fichier dépasse %1 octets").arg(maxBytes);
}
