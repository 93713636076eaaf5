#include "UpdateCommand.h"

#include "CliCall.h"
#include "CliOutput.h"

#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/TextFileOpening.h"
#include "update/MajInternet.h"
#include "update/UpdateLauncher.h"
#include "update/UpdateServer.h"
#include "update/UpdateSettings.h"
#include "update/UpdateVerifier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

// Keeps the program it is given, and starts nothing.
class NoLauncher : public UpdateLauncher {
public:
    std::optional<QString> launch(const QString&) override { return std::nullopt; }
};

QJsonObject settingsJson(const QString& path) {
    QJsonObject sections;
    for (const IniFile::Section& section : UpdateSettings::Load(path).file().sections()) {
        QJsonObject keys;
        for (const auto& [key, value] : section.keys) {
            keys.insert(key, value);
        }
        sections.insert(section.name, keys);
    }
    return sections;
}

// The files of the download folder, as paths relative to the install folder.
QStringList downloaded(const QString& installDirectory) {
    const QDir install(installDirectory);
    const QDir folder(install.filePath(UpdateServer::DownloadFolder()));
    QStringList files;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        files << install.relativeFilePath(folder.filePath(name));
    }
    return files;
}

QStringList textLines(const MajInternet& window, const QStringList& messages) {
    QStringList lines = window.memo();
    for (const QString& message : messages) {
        lines << QStringLiteral("Message : ") + QString(message).replace(u'\n', u' ');
    }
    lines << (window.launched() ? QStringLiteral("Mise à jour lancée : ") + *window.launched()
                                : QStringLiteral("Aucune mise à jour lancée."));
    return lines;
}

}  // namespace

QString UpdateCommand::summary() const {
    return QStringLiteral(
        "cherche une mise à jour sur le serveur, la télécharge, la vérifie "
        "et la lance");
}

QString UpdateCommand::details() const {
    return QStringLiteral(
               "Sans --auto : le bouton \"Démarrer\" de la fenêtre de mise à jour. Avec --auto : "
               "la "
               "vérification automatique du démarrage, qui répond à sa question par --yes ou --no "
               "(non par défaut).\n"
               "La mise à jour téléchargée n'est lancée qu'après la vérification de sa taille, de "
               "sa "
               "somme SHA-256 et de sa signature.\n"
               "Le serveur par défaut est celui du fichier de réglages, sinon ") +
           UpdateSettings::DefaultServer() + QStringLiteral(".");
}

QList<CliOption> UpdateCommand::options() const {
    return {
        CliOption::Value(QStringLiteral("server"), QStringLiteral("URL"),
                         QStringLiteral("le serveur de mise à jour, http(s)://serveur[:port]")),
        CliOption::Value(QStringLiteral("settings"), QStringLiteral("FICHIER"),
                         QStringLiteral("le fichier de réglages (") +
                             QDir::toNativeSeparators(UpdateSettings::DefaultPath()) +
                             QStringLiteral(" par défaut)")),
        CliOption::Value(QStringLiteral("install-dir"), QStringLiteral("DOSSIER"),
                         QStringLiteral("le dossier du programme, qui reçoit Telecharge")),
        CliOption::Value(QStringLiteral("public-key"), QStringLiteral("FICHIER"),
                         QStringLiteral("la clé publique Ed25519 de l'éditeur, une ligne en "
                                        "base64 (celle du programme par défaut)")),
        CliOption::Switch(QStringLiteral("auto"),
                          QStringLiteral("la vérification automatique du démarrage")),
        CliOption::Switch(QStringLiteral("yes"),
                          QStringLiteral("répond oui à la question de --auto")),
        CliOption::Switch(QStringLiteral("no"),
                          QStringLiteral("répond non à la question de --auto")),
        CliOption::Switch(QStringLiteral("no-launch"),
                          QStringLiteral("vérifie tout mais ne lance rien et n'écrit aucune date")),
        CliOption::Integer(QStringLiteral("timeout"), QStringLiteral("SECONDES"),
                           QStringLiteral("l'attente la plus longue du serveur, 30 par défaut"))
            .within(1, 3600, QStringLiteral("Le délai d'attente va de 1 à 3600 secondes.")),
    };
}

int UpdateCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    if (call.isSet(QStringLiteral("yes")) && call.isSet(QStringLiteral("no"))) {
        return output.failure(QStringLiteral("Les options --yes et --no s'excluent."));
    }
    MajInternet::Options options;
    const QString install = call.value(QStringLiteral("install-dir"));
    options.installDirectory =
        install.isEmpty()
            ? HostInterface::Start(HostInterface::Places::OfThisProgram()).InstallDirectory
            : QFileInfo(install).absoluteFilePath();
    const QString settings = call.value(QStringLiteral("settings"));
    options.settingsPath =
        settings.isEmpty() ? UpdateSettings::DefaultPath() : QFileInfo(settings).absoluteFilePath();
    options.server = call.value(QStringLiteral("server"));
    if (!options.server.isEmpty() && !UpdateServer::Parse(options.server)) {
        return output.failure(UpdateServer::AddressError(options.server));
    }
    options.publicKey = UpdateVerifier::BuiltInPublicKey();
    if (const QString keyPath = call.value(QStringLiteral("public-key")); !keyPath.isEmpty()) {
        // A key is one short line: a FIFO, a device or a big file is no key.
        constexpr qint64 maxKeyBytes = 4096;
        QFile file(keyPath);
        QString reason;
        const std::optional<QByteArray> key =
            TextFileOpening::open(file, reason, maxKeyBytes) == TextFileOpening::Status::Opened
                ? UpdateVerifier::DecodePublicKey(file.read(maxKeyBytes))
                : std::nullopt;
        if (!key) {
            return output.failure(
                QStringLiteral("Le fichier \"%1\" ne contient pas une clé publique Ed25519 "
                               "(une ligne en base64).")
                    .arg(keyPath));
        }
        options.publicKey = *key;
    }
    options.timeout = call.integer(QStringLiteral("timeout")).value_or(30) * 1000;
    options.launch = !call.isSet(QStringLiteral("no-launch"));

    ScriptedPrompter prompter(call.isSet(QStringLiteral("yes")));
    DetachedLauncher detached(options.installDirectory);
    NoLauncher none;
    UpdateLauncher& launcher = options.launch ? static_cast<UpdateLauncher&>(detached) : none;
    MajInternet window(options, prompter, BusyCursor::none(), launcher);
    if (call.isSet(QStringLiteral("auto"))) {
        window.AutoCheck();
    } else {
        window.DownloadUpdate();
    }

    const QStringList messages = prompter.texts();
    const QJsonObject result{
        {QStringLiteral("memo"), QJsonArray::fromStringList(window.memo())},
        {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
        {QStringLiteral("downloaded"),
         QJsonArray::fromStringList(downloaded(options.installDirectory))},
        {QStringLiteral("launched"),
         window.launched() ? QJsonValue(*window.launched()) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("settings"), settingsJson(options.settingsPath)},
    };
    return output.result(result, textLines(window, messages));
}
