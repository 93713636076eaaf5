#include "HostInterface.h"

#include "OrvanelConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool holdsReadme(const QString& directory) {
    return !directory.isEmpty() &&
           QFileInfo(QDir(directory).filePath(HostInterface::ReadmeName())).isFile();
}

}  // namespace

HostInterface::Places HostInterface::Places::OfThisProgram() {
    return {QDir::currentPath(), QCoreApplication::applicationDirPath()};
}

HostInterface HostInterface::Start(const Places& places) {
    HostInterface host;
    host.InstallDirectory = FindInstallDirectory(places);
    host.WorkingDirectory = places.currentDirectory;
    return host;
}

// The program's directory is the one that holds its readme: the current directory when
// the program is started from where it is installed (the usual case), otherwise the data
// folder installed with it (share/orvanel beside the executable's bin folder; in the
// build tree, a link to the repository's data folder). When neither holds the readme,
// the current directory: the files looked for there are then missing, and each user of
// them says so.
QString HostInterface::FindInstallDirectory(const Places& places) {
    const QStringList candidates{
        places.currentDirectory,
        places.executableDirectory.isEmpty()
            ? QString()
            : QDir::cleanPath(QDir(places.executableDirectory)
                                  .filePath(QStringLiteral(ORVANEL_DATA_FROM_EXECUTABLES))),
    };
    for (const QString& candidate : candidates) {
        if (holdsReadme(candidate)) {
            return candidate;
        }
    }
    return places.currentDirectory;
}

QString HostInterface::InstallPath(const QString& name) const {
    return QDir(InstallDirectory).filePath(name);
}
