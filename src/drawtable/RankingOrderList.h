#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The ranking order file "ZECLASS.TXT" of the host: one ranking text per line, the
// weakest first, in Windows-1252. The place of a ranking in it (0 for the first line) is
// its order; a higher order is a better ranking.
class RankingOrderList {
public:
    static inline const QString FileName = QStringLiteral("ZECLASS.TXT");

    // No value when the file cannot be read.
    static std::optional<RankingOrderList> Load(const QString& path);
    // The warning both readers show when the file cannot be read.
    static QString MissingWarning();

    RankingOrderList() = default;
    explicit RankingOrderList(QStringList entries) : entries_(std::move(entries)) {}

    const QStringList& entries() const { return entries_; }
    // -1 for a text that is not in the list. Blanks around the text do not count.
    int order(const QString& text) const;

private:
    QStringList entries_;
};
