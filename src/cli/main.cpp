#include "CliProgram.h"
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

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Qt's own notes (the platform plug-in, the runtime folder) are not for the user: the
// command says what it has to say on its own output.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // The print commands measure and paint text: they need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(keepQtQuiet);
    QGuiApplication application(argc, argv);
    FontSubstitutions::Install();
    CliProgram program(QStringLiteral(ORVANEL_VERSION));
    // The commands, in the order of the help.
    program.add(std::make_unique<InputCommand>());
    program.add(std::make_unique<TelDrawCommand>());
    program.add(std::make_unique<SolveCommand>());
    program.add(std::make_unique<TeeSkeletonCommand>());
    program.add(std::make_unique<ExportDrawCommand>());
    program.add(std::make_unique<PrintCommand>());
    program.add(std::make_unique<PrintStaircaseCommand>());
    program.add(std::make_unique<UpdateCommand>());
    return program.run(QCoreApplication::arguments().mid(1));
}
