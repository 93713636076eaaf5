#include "BracketCommand.h"
#include "CheckCommand.h"
#include "CliProgram.h"
#include "EnterStaircaseCommand.h"
#include "ExportDrawCommand.h"
#include "InputCommand.h"
#include "PrintCommand.h"
#include "PrintStaircaseCommand.h"
#include "SolveCommand.h"
#include "TeeSkeletonCommand.h"
#include "TelDrawCommand.h"
#include "UpdateCommand.h"

#include "OrvanelConfig.h"
#include "page/FontSubstitutions.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <memory>

namespace {

QtMessageHandler qtDefault = nullptr;

// Standard error carries the program's own French messages, which scripts read: Qt's
// notes about the platform (no runtime folder, an offscreen screen) stay out of it.
void onlySeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtDefault(type, context, text);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qtDefault = qInstallMessageHandler(onlySeriousMessages);
    // Commands that lay out pages measure texts, which takes a font database: a GUI
    // application without a screen. Its font cache wants a private runtime folder; a
    // batch session often has none, and Qt would then choose the same folder with a
    // warning on standard error, which is the command's own.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(
            QStringLiteral("runtime-orvanel-%1").arg(qEnvironmentVariable("USER")));
        if (QDir().mkpath(runtime) &&
            QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner)) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        }
    }
    QGuiApplication application(argc, argv);
    FontSubstitutions::Install();
    CliProgram program(QStringLiteral(ORVANEL_VERSION));
    // The commands, in the order of the help.
    program.add(std::make_unique<InputCommand>());
    program.add(std::make_unique<TelDrawCommand>());
    program.add(std::make_unique<SolveCommand>());
    program.add(std::make_unique<TeeSkeletonCommand>());
    program.add(std::make_unique<EnterStaircaseCommand>());
    program.add(std::make_unique<ExportDrawCommand>());
    program.add(std::make_unique<BracketCommand>());
    program.add(std::make_unique<CheckCommand>());
    program.add(std::make_unique<PrintCommand>());
    program.add(std::make_unique<PrintStaircaseCommand>());
    program.add(std::make_unique<UpdateCommand>());
    return program.run(QGuiApplication::arguments().mid(1));
}
