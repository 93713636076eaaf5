#pragma once

#include <QCommandLineOption>
#include <QString>

#include <optional>

// An option of a command, declared once: the parser reads it, the help shows it, and the
// program checks an integer's value before the command runs.
struct CliOption {
    QString name;         // given as --name VALUE or --name=VALUE
    QString shortName;    // a one-letter name, given as -n; may be empty
    QString valueName;    // the value as the help names it; empty for a switch
    QString description;  // the help's text, in French
    bool integer = false;
    std::optional<int> minimum;
    std::optional<int> maximum;
    QString rangeError;  // told when an integer is outside [minimum, maximum]
    bool required = false;

    static CliOption Switch(const QString& name, const QString& description);
    static CliOption Value(const QString& name, const QString& valueName,
                           const QString& description);
    static CliOption Integer(const QString& name, const QString& valueName,
                             const QString& description);
    // An integer from minimum to maximum; rangeError when it is not.
    CliOption within(int lowest, int highest, const QString& error) const;
    CliOption mandatory() const;
    CliOption abbreviated(const QString& letter) const;

    bool takesValue() const { return !valueName.isEmpty(); }
    QCommandLineOption parserOption() const;
    // "-n, --name VALUE", as the help shows it.
    QString synopsis() const;
};
