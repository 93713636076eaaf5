#pragma once

#include <QString>

#include <optional>
#include <utility>

// Starts the downloaded update program, which outlives this program.
class UpdateLauncher {
public:
    virtual ~UpdateLauncher() = default;
    // On failure, the system's reason.
    virtual std::optional<QString> launch(const QString& program) = 0;
};

// Starts the program detached, in the program's install directory.
class DetachedLauncher : public UpdateLauncher {
public:
    explicit DetachedLauncher(QString workingDirectory)
        : workingDirectory_(std::move(workingDirectory)) {}
    std::optional<QString> launch(const QString& program) override;

private:
    QString workingDirectory_;
};
