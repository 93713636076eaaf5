#include "SqliteErrorText.h"

#include <sqlite3.h>

#include <cerrno>

namespace {

bool diskFull(int systemError) {
    return systemError == ENOSPC || systemError == EDQUOT;
}

bool readOnly(int systemError) {
    return systemError == EROFS || systemError == EACCES || systemError == EPERM;
}

}  // namespace

QString SqliteErrorText::reason(int extendedCode, int systemError) {
    const int primary = extendedCode & 0xff;
    // The system's error number is only looked at for the failures that come from the
    // file system: it is left over from an earlier call otherwise.
    const bool fromFiles = primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN;
    if (primary == SQLITE_FULL || (fromFiles && diskFull(systemError))) {
        return QStringLiteral("le disque est peut-être plein");
    }
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        return QStringLiteral("un autre programme utilise la table, fermez-le puis réessayez");
    }
    if (primary == SQLITE_READONLY || (fromFiles && readOnly(systemError))) {
        return QStringLiteral("le fichier ou son dossier est en lecture seule");
    }
    switch (primary) {
        case SQLITE_NOTADB:
            return QStringLiteral("le fichier n'est pas une table");
        case SQLITE_CORRUPT:
            return QStringLiteral("le fichier est endommagé");
        case SQLITE_CANTOPEN:
            return QStringLiteral("le fichier ou son dossier est introuvable");
        case SQLITE_IOERR:
            return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
        case SQLITE_NOMEM:
            return QStringLiteral("la mémoire est insuffisante");
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return QStringLiteral("accès refusé");
        default:
            return QStringLiteral("erreur du moteur de tables");
    }
}

QString SqliteErrorText::describe(const QString& what, int extendedCode, int systemError,
                                  const QString& raw) {
    QString text = QStringLiteral("%1 : %2.").arg(what, reason(extendedCode, systemError));
    if (!raw.isEmpty()) {
        text += QStringLiteral(" [%1]").arg(raw);
    }
    return text;
}
