#pragma once

#include "core/Prompter.h"

class QWidget;

// The Prompter of the windows: Qt message boxes and file dialogs over a parent window.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void tell(Kind kind, const QString& text) override;
    bool ask(Kind kind, const QString& text) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;

private:
    QWidget* owner() const;

    QWidget* parent_;
};
