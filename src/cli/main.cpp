#include "CliProgram.h"
#include "EnterStaircaseCommand.h"
#include "InputCommand.h"
#include "SolveCommand.h"
#include "TeeSkeletonCommand.h"
#include "TelDrawCommand.h"

#include "OrvanelConfig.h"

#include <QCoreApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    CliProgram program(QStringLiteral(ORVANEL_VERSION));
    // The commands, in the order of the help.
    program.add(std::make_unique<InputCommand>());
    program.add(std::make_unique<TelDrawCommand>());
    program.add(std::make_unique<SolveCommand>());
    program.add(std::make_unique<TeeSkeletonCommand>());
    program.add(std::make_unique<EnterStaircaseCommand>());
    return program.run(QCoreApplication::arguments().mid(1));
}
