#include "EntryMoves.h"

#include "page/Page.h"
#include "staircase/EntryNames.h"
#include "staircase/StaircaseEntry.h"

#include <QHash>

namespace {

// The keys by their names, as keys or as the characters typed.
const QHash<QString, Qt::Key>& KeyCodes() {
    static const QHash<QString, Qt::Key> codes{{QStringLiteral("down"), Qt::Key_Down},
                                               {QStringLiteral("up"), Qt::Key_Up},
                                               {QStringLiteral("q"), Qt::Key_Q},
                                               {QStringLiteral("insert"), Qt::Key_Insert},
                                               {QStringLiteral("delete"), Qt::Key_Delete}};
    return codes;
}

const QHash<QString, QChar>& TypedKeys() {
    static const QHash<QString, QChar> typed{{QStringLiteral("plus"), QLatin1Char('+')},
                                             {QStringLiteral("minus"), QLatin1Char('-')}};
    return typed;
}

const QString None = QStringLiteral("-");

}  // namespace

std::optional<QString> EntryMoves::firstUnknown(const QStringList& moves) {
    for (const QString& move : moves) {
        const QStringList parts = move.split(QLatin1Char(':'));
        const QString& kind = parts.front();
        const bool known =
            (parts.size() == 1 && (KeyCodes().contains(kind) || TypedKeys().contains(kind) ||
                                   kind == QStringLiteral("restart"))) ||
            (parts.size() == 2 && !parts[1].isEmpty() &&
             (kind == QStringLiteral("click") || kind == QStringLiteral("add-tour") ||
              kind == QStringLiteral("delete-tour"))) ||
            (parts.size() == 3 && kind == QStringLiteral("drag") && !parts[1].isEmpty() &&
             !parts[2].isEmpty());
        if (!known) {
            return move;
        }
    }
    return std::nullopt;
}

bool EntryMoves::play(const QString& move, StaircaseEntry& entry, const Page& page) {
    const QStringList parts = move.split(QLatin1Char(':'));
    const QString& kind = parts.front();
    // Only the target of a drag may be no label at all.
    for (qsizetype at = 1; at < parts.size(); ++at) {
        if (!page.contains(parts[at]) && !(at == 2 && parts[at] == None)) {
            return false;
        }
    }
    if (KeyCodes().contains(kind)) {
        entry.KeyDown(KeyCodes().value(kind));
    } else if (TypedKeys().contains(kind)) {
        entry.KeyPress(TypedKeys().value(kind));
    } else if (kind == QStringLiteral("restart")) {
        entry.Saisirunescalier1Click();
    } else if (kind == QStringLiteral("click")) {
        entry.Drag(parts[1], QString());
    } else if (kind == QStringLiteral("drag")) {
        entry.Drag(parts[1], parts[2] == None ? QString() : parts[2]);
    } else if (EntryNames::isActive(parts[1])) {
        // The context menu belongs to the active labels only.
        if (kind == QStringLiteral("add-tour")) {
            entry.Ajouteruntourlescalier1Click();
        } else {
            entry.Supprimercetourdescalier1Click();
        }
    }
    return true;
}
