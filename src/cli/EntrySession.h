#pragma once

#include "SolveSession.h"
#include "page/PageItem.h"
#include "staircase/EntryEvaluation.h"

#include <QList>
#include <QStringList>

#include <optional>

// What "orvanel-cli enter-staircase" does with a simulation input: the main window's
// "&Suivant", the staggered-entry wizard's "&Escalier" with the last round and the
// couples chosen as solve chooses them, then the moves played on the entry screen of the
// staircase view, as the keys, the mouse and the context menu would.
class EntrySession {
public:
    // Runs the whole road; false, with the reason in failure(), when the wizard could not
    // be opened.
    bool Run(const SimulationInput& input, const SolveSession::Options& options,
             const QStringList& moves, const QString& workingDirectory);

    // Whether "&Escalier" opened the entry screen.
    bool opened() const { return opened_; }
    // The items of the screen after the last move, sorted by name.
    const QList<PageItem>& items() const { return items_; }
    const std::optional<EntryEvaluation::Result>& evaluation() const { return evaluation_; }
    // Every message from the click on "&Escalier" on.
    const QStringList& messages() const { return messages_; }
    // The moves, counted from 0, that named an item not on the screen.
    const QList<int>& ignored() const { return ignored_; }
    const QString& failure() const { return failure_; }

private:
    bool opened_ = false;
    QList<PageItem> items_;
    std::optional<EntryEvaluation::Result> evaluation_;
    QStringList messages_;
    QList<int> ignored_;
    QString failure_;
};
