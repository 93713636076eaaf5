#pragma once

#include "SeedDialog.h"

#include <QList>
#include <QString>

#include <optional>

class Prompter;

// The seed dialog played from a script: each answer types its text key by key through
// the field's key filter, then presses its button. An OK on a text that is not a number
// gets the dialog's warning and the dialog waits for the next answer; once the answers
// run out, the dialog is left by its close box.
class ScriptedSeedDialog : public SeedDialog {
public:
    struct Step {
        enum class Button { Ok, Remove, Close };
        std::optional<QString> text;  // none: the field is left as it is
        Button button = Button::Ok;
    };

    ScriptedSeedDialog(QList<Step> steps, Prompter& prompter)
        : steps_(std::move(steps)), prompter_(prompter) {}

    Answer Ask(const QString& text) override;
    bool shown() const { return shown_; }

private:
    QList<Step> steps_;
    Prompter& prompter_;
    bool shown_ = false;
};
