#pragma once

#include "CliOption.h"

#include <QList>
#include <QString>

class CliCall;

// One command of orvanel-cli. It declares its name, its arguments and its options once;
// the program builds the parser and the help from them, checks the words of the command
// line against them, and runs the command only with words that fit. To add a command,
// derive from this class and add it to the list in main.cpp.
class CliCommand {
public:
    // A word the command takes in its place, in order: every one is required.
    struct Argument {
        QString name;  // as the help names it: "FICHIER"
        QString description;
    };

    virtual ~CliCommand() = default;

    virtual QString name() const = 0;
    // One line for the list of commands.
    virtual QString summary() const = 0;
    // The paragraphs of the command's own help, under its usage line.
    virtual QString details() const { return QString(); }
    virtual QList<Argument> arguments() const { return {}; }
    // The command's own options; every command also takes --json and --help.
    virtual QList<CliOption> options() const { return {}; }

    // The exit status: 0 done, 1 failed (CliOutput::failure).
    virtual int run(CliCall& call) = 0;
};
