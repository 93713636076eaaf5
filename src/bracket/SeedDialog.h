#pragma once

#include <QString>

// The seed dialog as the bracket's logic sees it: shown with a text, it ends with OK and
// the number typed, with "Supprimer", or closed by its close box.
class SeedDialog {
public:
    struct Answer {
        enum class Ending { Ok, Remove, Closed };
        Ending ending = Ending::Closed;
        int number = 0;  // with Ok
    };

    virtual ~SeedDialog() = default;
    virtual Answer Ask(const QString& text) = 0;
};
