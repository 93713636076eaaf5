#pragma once

#include "CliOption.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

class CliCommand;

// The help texts, built from the declarations of the commands and their options, in
// lines of at most Width characters.
class CliHelp {
public:
    static constexpr int Width = 79;

    // The list of commands, and the program's own options.
    static QString Program(const QList<const CliCommand*>& commands,
                           const QList<CliOption>& options);
    // "orvanel-cli solve FICHIER [options]".
    static QString Usage(const CliCommand& command);
    // A command's help: its usage, summary and details, its arguments and its options
    // (options holds the common ones too).
    static QString Command(const CliCommand& command, const QList<CliOption>& options);

    // The words of a text in lines of at most `width` characters; a line break in the text
    // starts a new line.
    static QStringList Wrap(const QString& text, int width);

private:
    // Names in a column, their descriptions beside them.
    static QString Table(const QList<std::pair<QString, QString>>& rows);
};
