#pragma once

#include "bracket/BracketEditor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawFile.h"
#include "page/Page.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class TableauPrevisualise;

// The bracket view without its window, on a draw file: the draw loaded into a fresh
// folder, laid out as the view opens it (the opening question answered Yes), then the
// operations of a script applied in order. It keeps what each operation told the user,
// the drops refused and the operations ignored.
class BracketSession {
public:
    BracketSession();
    ~BracketSession();

    // Empty on success, else why the draw could not be opened.
    QString Open(const DrawFile& draw);
    // Every operation in order; empty on success, else what is wrong with the script (the
    // operations before it have run).
    QString Run(const QJsonArray& operations);

    TableauPrevisualise& view() { return *view_; }
    Page& page() { return page_; }
    StaircaseState& state() { return state_; }
    ScriptedPrompter& prompter() { return prompter_; }

    void refuse(int index) { refused_.append(index); }
    void ignore(int index) { ignored_.append(index); }
    // Drops and clicks as the mouse gives them, with the outcome kept for the operation.
    void record(int index, BracketEditor::Outcome outcome);

    // {"lines", "items" (by name), "messages", "refused", "ignored"}.
    QJsonObject Result() const;

private:
    void takeMessages(int index);

    QTemporaryDir folder_;
    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    Page page_;
    std::unique_ptr<TableauPrevisualise> view_;
    QJsonArray messages_;
    qsizetype told_ = 0;  // the prompter's entries already in messages_
    QList<int> refused_;
    QList<int> ignored_;
};
