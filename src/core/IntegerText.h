#pragma once

#include <QString>

#include <optional>

// Conversion of a text typed by the user into an integer: optional blanks around an
// optional sign and decimal digits, within the 32-bit range. Anything else is not an
// integer, and is reported with conversionError.
class IntegerText {
public:
    static std::optional<int> toInt(const QString& text);
    // "'<text>' n'est pas une valeur entière correcte"
    static QString conversionError(const QString& text);
};
