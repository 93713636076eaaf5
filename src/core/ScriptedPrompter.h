#pragma once

#include "Prompter.h"

#include <QList>
#include <QStringList>

#include <deque>

// A Prompter without a screen: it records every message and question in order and
// answers from a script (the next answer, the next file name), falling back on a
// default answer when the script is exhausted. Used by the command line and the tests.
class ScriptedPrompter : public Prompter {
public:
    struct Entry {
        Kind kind;
        QString text;
        bool question;
    };

    explicit ScriptedPrompter(bool defaultAnswer = true) : defaultAnswer_(defaultAnswer) {}

    void tell(Kind kind, const QString& text) override;
    bool ask(Kind kind, const QString& text) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    // An empty name stands for a cancelled dialog.
    void queueFileName(const QString& name) { fileNames_.push_back(name); }

    const QList<Entry>& entries() const { return entries_; }
    QStringList texts() const;
    const QList<FileRequest>& fileRequests() const { return fileRequests_; }
    void clear();

private:
    std::optional<QString> nextFileName(const FileRequest& request);

    bool defaultAnswer_;
    std::deque<bool> answers_;
    std::deque<QString> fileNames_;
    QList<Entry> entries_;
    QList<FileRequest> fileRequests_;
};
