#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the built orvanel-cli as a user would, in a directory of the test's choosing.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    // The reason of a failure, without the usage line that follows a usage error.
    QString firstErrorLine() const {
        return QString::fromUtf8(err).section(QLatin1Char('\n'), 0, 0);
    }
};

inline CliRun RunCli(const QStringList& arguments, const QString& directory = QString()) {
    QProcess process;
    if (!directory.isEmpty()) {
        process.setWorkingDirectory(directory);
    }
    process.start(QStringLiteral(ORVANEL_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline QString TestData(const char* name) {
    return QStringLiteral(ORVANEL_TEST_DATA "/") + QString::fromUtf8(name);
}
