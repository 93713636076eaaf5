#include "ScriptedSeedDialog.h"

#include "SeedNumberField.h"

#include "core/Prompter.h"

SeedDialog::Answer ScriptedSeedDialog::Ask(const QString& text) {
    shown_ = true;
    SeedNumberField field(text);
    while (!steps_.isEmpty()) {
        const Step step = steps_.takeFirst();
        if (step.text) {
            for (const QChar key : *step.text) {
                field.Key(key);
            }
        }
        switch (step.button) {
            case Step::Button::Ok:
                if (const std::optional<int> number = field.Ok()) {
                    return {Answer::Ending::Ok, *number};
                }
                prompter_.warning(SeedNumberField::Error());
                break;
            case Step::Button::Remove:
                return {Answer::Ending::Remove, 0};
            case Step::Button::Close:
                return {Answer::Ending::Closed, 0};
        }
    }
    return {Answer::Ending::Closed, 0};
}
