#include "SeedNumberField.h"

#include "core/TextFormat.h"

bool SeedNumberField::Accepted(QChar key) {
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QLatin1Char(',') ||
           key == QChar(Backspace);
}

bool SeedNumberField::Key(QChar key) {
    if (!Accepted(key)) {
        return false;
    }
    if (selected_) {
        text_.clear();
        selected_ = false;
        if (key == QChar(Backspace)) {
            return true;
        }
    }
    if (key == QChar(Backspace)) {
        text_.chop(1);
    } else {
        text_.append(key);
    }
    return true;
}

std::optional<int> SeedNumberField::Ok() {
    bool ok = false;
    const int number = text_.toInt(&ok);
    // A seed number is a 16-bit figure of the draw table.
    if (!ok || number > 32767) {
        return std::nullopt;
    }
    text_ = TextFormat::format(QStringLiteral("%2.0d"), number);
    selected_ = true;
    return number;
}
