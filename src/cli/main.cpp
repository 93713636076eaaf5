#include "BracketCommand.h"
#include "CliProgram.h"
#include "ExportDrawCommand.h"
#include "InputCommand.h"
#include "SolveCommand.h"
#include "TeeSkeletonCommand.h"
#include "TelDrawCommand.h"
#include "UpdateCommand.h"

#include "OrvanelConfig.h"

#include "page/FontSubstitutions.h"

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
    // The page layouts measure their texts with the fonts, which need a GUI application;
    // without a screen it draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    FontSubstitutions::Install();
    CliProgram program(QStringLiteral(ORVANEL_VERSION));
    // The commands, in the order of the help.
    program.add(std::make_unique<InputCommand>());
    program.add(std::make_unique<TelDrawCommand>());
    program.add(std::make_unique<SolveCommand>());
    program.add(std::make_unique<TeeSkeletonCommand>());
    program.add(std::make_unique<ExportDrawCommand>());
    program.add(std::make_unique<UpdateCommand>());
    program.add(std::make_unique<BracketCommand>());
    return program.run(QCoreApplication::arguments().mid(1));
}
