#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The ranking order file "ZECLASS.TXT" of the host: one ranking text per line, the
// weakest first, in Windows-1252. The place of a ranking in it (0 for the first line) is
// its order; a higher order is a better ranking.
class RankingOrderList {
public:
    static inline const QString FileName = QStringLiteral("ZECLASS.TXT");
    static constexpr int MaxLineLength = 256;

    // No value when the file cannot be used: missing, not a regular file, unreadable,
    // too large, binary or empty. The warning to show then goes to warning.
    static std::optional<RankingOrderList> Load(const QString& path, QString* warning = nullptr);
    // The same reading from an open device; path names the file in the warning.
    static std::optional<RankingOrderList> Read(QIODevice& device, const QString& path,
                                                QString* warning = nullptr);
    // The file of the list: one entry a line, CR LF, Windows-1252.
    QByteArray Serialize() const;
    // The warning both readers show when the file is missing.
    static QString MissingWarning();

    RankingOrderList() = default;
    explicit RankingOrderList(QStringList entries) : entries_(std::move(entries)) {}

    const QStringList& entries() const { return entries_; }
    // -1 for a text that is not in the list. Blanks around the text do not count.
    int order(const QString& text) const;

private:
    QStringList entries_;
};
