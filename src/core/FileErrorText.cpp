#include "FileErrorText.h"

namespace {

QString reason(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::ReadError:
            return QStringLiteral("erreur de lecture");
        case QFileDevice::WriteError:
            return QStringLiteral("erreur d'écriture");
        case QFileDevice::ResourceError:
            return QStringLiteral("ressources insuffisantes, le disque est peut-être plein");
        case QFileDevice::OpenError:
            return QStringLiteral("le fichier ne peut pas être ouvert");
        case QFileDevice::PermissionsError:
            return QStringLiteral("accès refusé");
        case QFileDevice::RenameError:
        case QFileDevice::RemoveError:
        case QFileDevice::CopyError:
            return QStringLiteral("le fichier ne peut pas être remplacé");
        default:
            return QStringLiteral("erreur du système de fichiers");
    }
}

}  // namespace

QString FileErrorText::describe(const QFileDevice& file) {
    if (file.error() == QFileDevice::NoError) {
        // A write cut short without an error code: the disk is full or the file too big.
        return reason(QFileDevice::WriteError);
    }
    const QString system = file.errorString();
    // Qt says "Unknown error" when the system gave no reason; it helps nobody.
    const bool told = !system.isEmpty() && system != QLatin1String("Unknown error");
    return !told ? reason(file.error())
                 : QStringLiteral("%1 (%2)").arg(reason(file.error()), system);
}
