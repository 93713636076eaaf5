#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Page;
class StaircaseEntry;

// The moves the command line plays on a staircase entry screen, one word each: the keys
// ("down", "up", "q", "insert", "delete", "plus", "minus"), "click:NAME",
// "drag:SOURCE:TARGET" ("-" for a release over no label), the context menu of an active
// label ("add-tour:NAME", "delete-tour:NAME") and "restart" ("Saisir un escalier").
// A drag onto a label that is not active is a drop that label refuses, as when the mouse
// is released over it: the drag ends without a target.
class EntryMoves {
public:
    // The first move that is none of these, if any.
    static std::optional<QString> firstUnknown(const QStringList& moves);
    // Plays one known move; false when it names an item that is not on the screen, which
    // is then not played.
    static bool play(const QString& move, StaircaseEntry& entry, const Page& page);
};
