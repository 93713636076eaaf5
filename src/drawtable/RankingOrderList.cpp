#include "RankingOrderList.h"

#include "core/Cp1252.h"
#include "core/TextFileOpening.h"
#include "core/TextLineReader.h"

#include <QFile>

namespace {

std::optional<RankingOrderList> refuse(QString* warning, const QString& text) {
    if (warning != nullptr) {
        *warning = text;
    }
    return std::nullopt;
}

QString unusable(const QString& path, const QString& reason) {
    return QStringLiteral("Le fichier paramètres ZECLASS.txt \"%1\" est inutilisable : %2.")
        .arg(path, reason);
}

}  // namespace

std::optional<RankingOrderList> RankingOrderList::Load(const QString& path, QString* warning) {
    QFile file(path);
    QString reason;
    switch (TextFileOpening::open(file, reason)) {
        case TextFileOpening::Status::Missing:
            return refuse(warning, MissingWarning());
        case TextFileOpening::Status::Refused:
            return refuse(warning,
                          QStringLiteral("Impossible de lire le fichier paramètres ZECLASS.txt "
                                         "\"%1\" : %2.")
                              .arg(path, reason));
        case TextFileOpening::Status::Opened:
            break;
    }
    return Read(file, path, warning);
}

std::optional<RankingOrderList> RankingOrderList::Read(QIODevice& device, const QString& path,
                                                       QString* warning) {
    TextLineReader reader(device, MaxLineLength, TextFileOpening::MaxBytes);
    QStringList lines;
    QString line;
    for (auto status = reader.next(line); status != TextLineReader::Status::End;
         status = reader.next(line)) {
        if (status != TextLineReader::Status::Line) {
            return refuse(warning, unusable(path, reader.reason(status)));
        }
        lines.append(line.trimmed());
    }
    // A list of blank lines orders nothing, as an empty file does.
    if (lines.join(QString()).isEmpty()) {
        return refuse(warning, unusable(path, QStringLiteral("il ne contient aucun classement")));
    }
    return RankingOrderList(lines);
}

QString RankingOrderList::MissingWarning() {
    return QStringLiteral("Le fichier paramètres ZECLASS.txt non trouvé.");
}

QByteArray RankingOrderList::Serialize() const {
    QByteArray bytes;
    for (const QString& entry : entries_) {
        bytes += Cp1252::encode(entry) + "\r\n";
    }
    return bytes;
}

int RankingOrderList::order(const QString& text) const {
    return static_cast<int>(entries_.indexOf(text.trimmed()));
}
