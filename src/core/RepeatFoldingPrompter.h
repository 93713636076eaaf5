#pragma once

#include "Prompter.h"

#include <QSet>
#include <QString>

// A Prompter over another that, while folding, shows each distinct message once and
// only counts its repeats: a search can tell the same overflow message millions of
// times, and a window cannot show millions of boxes. When the folding ends, one
// information box says how many repeats were left out. Questions and file dialogs
// always go through.
class RepeatFoldingPrompter : public Prompter {
public:
    explicit RepeatFoldingPrompter(Prompter& inner) : inner_(inner) {}

    void startFolding();
    // Ends the folding; tells the count of the repeats left out, if any.
    void endFolding();
    qint64 repeats() const { return repeats_; }

    void tell(Kind kind, const QString& text) override;
    bool ask(Kind kind, const QString& text) override { return inner_.ask(kind, text); }
    std::optional<QString> openFile(const FileRequest& request) override {
        return inner_.openFile(request);
    }
    std::optional<QString> saveFile(const FileRequest& request) override {
        return inner_.saveFile(request);
    }

    static QString RepeatsMessage(qint64 repeats);

private:
    Prompter& inner_;
    bool folding_ = false;
    QSet<QString> shown_;
    Kind lastKind_ = Kind::Plain;
    QString lastText_;  // the message told last, while folding
    qint64 repeats_ = 0;
};
