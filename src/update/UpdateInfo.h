#pragma once

#include <QString>
#include <QStringList>

// The update information file "OrvanelInfo.txt" the server publishes: lines shown to
// the user, the server's version on a first line that names it, and after that line the
// SHA-256 sum ("SHA256=<64 hex digits>") and the Ed25519 signature
// ("SIGNATURE=<base64>") of the update program.
struct UpdateInfo {
    static QString FileName() { return QStringLiteral("OrvanelInfo.txt"); }

    bool exists = false;
    QStringList lines;
    double version = 0;  // 0 when the first line names no version
    QString sha256;      // empty when the file gives none
    QString signature;   // empty when the file gives none

    // A missing file gives exists false; the file's bytes are Windows-1252.
    static UpdateInfo Read(const QString& path);
    static UpdateInfo Parse(const QByteArray& bytes);
};
