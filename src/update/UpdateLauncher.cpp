#include "UpdateLauncher.h"

#include <QProcess>

std::optional<QString> DetachedLauncher::launch(const QString& program) {
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingDirectory_);
    if (!process.startDetached()) {
        return process.errorString();
    }
    return std::nullopt;
}
