#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>

#include <functional>

class BracketSession;

// The operations of a bracket script, by their "op" name, each in one place: what the
// user does in the bracket view, with the answers of the dialogs it opens.
class BracketOperations {
public:
    // Runs the operation at its index of the script; empty, or what is wrong with it.
    using Handler = std::function<QString(BracketSession&, const QJsonObject&, int index)>;

    static const QHash<QString, Handler>& Table();
    // The names of the page's segments and connectors, for the command's help.
    static QString ItemNamesHelp();
};
