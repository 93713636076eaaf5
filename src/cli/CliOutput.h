#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>

// Where a command writes: its result on standard output, as JSON or as French text,
// and its failure as a message; the exit status says which.
class CliOutput {
public:
    explicit CliOutput(bool json) : json_(json) {}

    bool json() const { return json_; }
    // The result: JSON with its keys sorted, or the lines of text.
    int result(const QJsonObject& object, const QStringList& lines);
    // A failure: {"error": text} with --json, the text on standard error otherwise.
    int failure(const QString& text);

private:
    bool json_;
};
