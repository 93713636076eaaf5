#pragma once

#include "DrawFile.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The draw file as JSON: {"kind": "TEE" | "TEL", the figures, "rankings", "hideEmptyBranches",
// "lines", and "tee" or "tel"}. The reader refuses anything that is not such a draw with a
// French message naming what is wrong; a field missing from a line, or a figure missing
// from the file, reads as empty (0, false, no text).
class DrawFileJson {
public:
    struct ReadResult {
        std::optional<DrawFile> draw;
        QString error;  // when there is no draw
    };

    static QJsonObject ToJson(const DrawFile& draw);
    static QJsonArray LinesJson(const QList<DrawFile::Line>& lines);
    static QJsonObject LineJson(const DrawFile::Line& line);

    // source names the file in the messages.
    static ReadResult Parse(const QByteArray& bytes, const QString& source);
    static ReadResult ReadFile(const QString& path);
    // Written beside and renamed over the old file, so that a failure leaves the old one.
    // Empty on success, else why it failed.
    static QString WriteFile(const QString& path, const DrawFile& draw);
};
