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
    // Keeps at most limit entries; the ones after it are only counted. A search can tell
    // the same message millions of times, which no list should hold.
    void setRecordLimit(qsizetype limit) { recordLimit_ = limit; }
    qint64 omitted() const { return omitted_; }
    const QList<FileRequest>& fileRequests() const { return fileRequests_; }
    void clear();

private:
    std::optional<QString> nextFileName(const FileRequest& request);

    bool defaultAnswer_;
    std::deque<bool> answers_;
    std::deque<QString> fileNames_;
    void record(const Entry& entry);

    QList<Entry> entries_;
    qsizetype recordLimit_ = -1;
    qint64 omitted_ = 0;
    QList<FileRequest> fileRequests_;
};
