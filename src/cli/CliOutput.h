#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>

// Where a command writes: its result on standard output, as JSON or as French text,
// and its failure as a message; the exit status says which.
class CliOutput {
public:
    static constexpr int Done = 0;
    static constexpr int Failed = 1;      // the command ran and could not do its work
    static constexpr int UsageError = 2;  // the command line does not make a command

    explicit CliOutput(bool json) : json_(json) {}

    bool json() const { return json_; }
    // The result: JSON with its keys sorted, or the lines of text.
    int result(const QJsonObject& object, const QStringList& lines);
    // A result printed as result() prints it, from a command whose build, copy or table
    // access failed: the errors stay readable in it, and the status is Failed.
    int failedResult(const QJsonObject& object, const QStringList& lines);
    // A failure: {"error": text} with --json, the text on standard error otherwise.
    int failure(const QString& text);
    // A command line that does not fit: the reason as a failure is told, then, without
    // --json, the usage line on standard error.
    int usageError(const QString& text, const QString& usage);
    // Text for the user, such as the help, on standard output.
    static void print(const QString& text);

private:
    bool json_;
};
