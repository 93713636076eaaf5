#pragma once

#include "CliCommand.h"
#include "CliOption.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CliOutput;
class QCommandLineParser;

// orvanel-cli: "--help" and "--version" of its own, and the commands added to it. The
// first word names the command; the words after it are parsed against the command's
// declarations (with --json and --help), which also make the help. A command line that
// does not fit exits with status 2 and a French message, before the command runs.
class CliProgram {
public:
    explicit CliProgram(QString version) : version_(std::move(version)) {}

    void add(std::unique_ptr<CliCommand> command);
    // The words after the program's name; returns the exit status.
    int run(const QStringList& words);

    QString help() const;
    QString commandHelp(const CliCommand& command) const;
    // The options every command takes after its own.
    static QList<CliOption> CommonOptions();

private:
    CliCommand* find(const QString& name) const;
    int runCommand(CliCommand& command, const QStringList& words);
    // Why the parsed words do not fit the command's declarations; empty when they do.
    static QString problem(const CliCommand& command, const QList<CliOption>& options,
                           const QCommandLineParser& parser, bool parsed);
    // Why the parser refused the words.
    static QString parserProblem(const QList<CliOption>& options, const QCommandLineParser& parser);

    QString version_;
    std::vector<std::unique_ptr<CliCommand>> commands_;
};
