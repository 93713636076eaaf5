#pragma once

#include "CliOutput.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What a command gets to run: the words of its command line, checked against its
// declarations (every argument there, every integer an integer in its range), and where
// to write its result.
class CliCall {
public:
    CliCall(const QCommandLineParser& parser, CliOutput& output)
        : parser_(parser), output_(output) {}

    // The command's arguments, in their declared order.
    QString argument(int index) const { return parser_.positionalArguments().value(index); }
    bool isSet(const QString& option) const { return parser_.isSet(option); }
    // The option's value; empty when it is not given.
    QString value(const QString& option) const { return parser_.value(option); }
    // An integer option's value; none when it is not given.
    std::optional<int> integer(const QString& option) const;

    CliOutput& output() { return output_; }

private:
    const QCommandLineParser& parser_;
    CliOutput& output_;
};
