#pragma once

#include <QJsonObject>
#include <QString>

class BracketSession;

// The operations of a bracket script that change how the bracket is shown or how big it
// is: zoom, the properties dialog, and the dimension commands of the context menu. Each
// returns what is wrong with the operation, empty when it ran.
class BracketDisplayOperations {
public:
    // {"op": "zoom", "in": true | false}: "Zoom plus" or "Zoom moins".
    static QString Zoom(BracketSession& session, const QJsonObject& operation, int index);
    // {"op": "properties", "withoutFrame", "withEmptyBranches" (or "hideEmptyBranches"),
    // "endBranches", "percent", "button": "ok" | "cancel" | "close"}: a value left out
    // stays as the dialog shows it; a disabled "endBranches" cannot be changed.
    static QString Properties(BracketSession& session, const QJsonObject& operation, int index);
    // "Augmenter" and "Diminuer les dimensions du tableau"; the second does nothing while
    // no round added by the script remains, as the menu entry is disabled then.
    static QString AddRound(BracketSession& session, const QJsonObject& operation, int index);
    static QString RemoveRound(BracketSession& session, const QJsonObject& operation, int index);

    // The operations for the command's help.
    static QString Help();
};
