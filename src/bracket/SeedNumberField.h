#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The seed number field of the seed dialog: it takes only the digits, the comma and
// backspace. The number shown when the dialog opens is selected, as in any edit box
// that takes the focus, so the first key typed replaces it.
class SeedNumberField {
public:
    static QString Caption() { return QStringLiteral("Propriétés du tableau"); }
    static QString Prompt() { return QStringLiteral("Numéro de tête de série"); }
    static QString Error() { return QStringLiteral("Erreur de saisie numérique !!"); }
    static constexpr char16_t Backspace = u'\b';

    explicit SeedNumberField(const QString& text = QString()) : text_(text), selected_(true) {}

    static bool Accepted(QChar key);
    // False for a key the field drops (the dialog beeps).
    bool Key(QChar key);
    const QString& text() const { return text_; }
    bool selected() const { return selected_; }

    // OK: the number typed, the text then rewritten with "%2.0d"; none for a text that
    // is not a number (empty, a comma), which leaves the dialog open.
    std::optional<int> Ok();

private:
    QString text_;
    bool selected_;
};
