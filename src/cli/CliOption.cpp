#include "CliOption.h"

CliOption CliOption::Switch(const QString& name, const QString& description) {
    CliOption option;
    option.name = name;
    option.description = description;
    return option;
}

CliOption CliOption::Value(const QString& name, const QString& valueName,
                           const QString& description) {
    CliOption option = Switch(name, description);
    option.valueName = valueName;
    return option;
}

CliOption CliOption::Integer(const QString& name, const QString& valueName,
                             const QString& description) {
    CliOption option = Value(name, valueName, description);
    option.integer = true;
    return option;
}

CliOption CliOption::within(int lowest, int highest, const QString& error) const {
    CliOption option = *this;
    option.minimum = lowest;
    option.maximum = highest;
    option.rangeError = error;
    return option;
}

CliOption CliOption::mandatory() const {
    CliOption option = *this;
    option.required = true;
    return option;
}

CliOption CliOption::abbreviated(const QString& letter) const {
    CliOption option = *this;
    option.shortName = letter;
    return option;
}

QCommandLineOption CliOption::parserOption() const {
    QStringList names{name};
    if (!shortName.isEmpty()) {
        names.prepend(shortName);
    }
    return QCommandLineOption(names, description, valueName);
}

QString CliOption::synopsis() const {
    QString text = QStringLiteral("--") + name;
    if (!shortName.isEmpty()) {
        text.prepend(QLatin1Char('-') + shortName + QStringLiteral(", "));
    }
    return takesValue() ? text + QLatin1Char(' ') + valueName : text;
}
