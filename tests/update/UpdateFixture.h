#pragma once

#include "LocalHttpServer.h"

#include "update/MajInternet.h"
#include "update/UpdateLauncher.h"

#include "core/ScriptedPrompter.h"

#include <QByteArray>
#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

// Records the program it is asked to start, and starts nothing.
class RecordingLauncher : public UpdateLauncher {
public:
    std::optional<QString> launch(const QString& program) override {
        started << program;
        return failure;
    }
    QStringList started;
    std::optional<QString> failure;
};

// An install folder, a settings file, a signing key and a local update server that
// publishes an information file and an update script.
class UpdateFixture : public ::testing::Test {
protected:
    UpdateFixture();

    // The update script: it writes a marker file into the folder it is started in.
    static QByteArray Script() { return "#!/bin/sh\necho fait > marqueur\n"; }
    static QString Updater() { return QStringLiteral("/telecha/OrvanelMAJ.exe"); }
    static QString Info() { return QStringLiteral("/telecha/OrvanelInfo.txt"); }

    // The information file's lines after the version line: the script's sum and its
    // signature by the fixture's key.
    QByteArray shaLine(const QByteArray& body) const;
    QByteArray signatureLine(const QByteArray& body, const QByteArray& secretKey) const;
    QByteArray signedInfo(const QByteArray& versionLine, const QByteArray& body) const;
    // Publishes the script and its information file, the script dated serverDate.
    void publish(const QByteArray& info, const QDateTime& serverDate,
                 const LocalHttpServer::File& updater);
    void writeSettings(const QByteArray& bytes) const;
    QString setting(const QString& key) const;
    QStringList downloadFolder() const;

    MajInternet::Options options() const;
    MajInternet& window();

    QTemporaryDir dir_;
    QString install_;
    QString settingsPath_;
    LocalHttpServer server_;
    QByteArray publicKey_;
    QByteArray secretKey_;
    QDate today_{2026, 12, 9};
    QDateTime serverDate_{QDate(2026, 11, 20), QTime(10, 30, 0), Qt::UTC};
    ScriptedPrompter prompter_{false};
    RecordingLauncher launcher_;
    std::unique_ptr<MajInternet> window_;
};
