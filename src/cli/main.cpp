#include "CliOutput.h"
#include "InputCommand.h"
#include "SolveCommand.h"
#include "TeeSkeletonCommand.h"
#include "TelDrawCommand.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString usage() {
    return QStringLiteral(
        "Usage : orvanel-cli COMMANDE [options]\n"
        "Commandes :\n"
        "  input FICHIER [--json]   contenu d'un fichier de simulation\n"
        "  tel-draw FICHIER [...]   tableau à départ en ligne (orvanel-cli tel-draw pour "
        "l'aide)\n"
        "  solve FICHIER [...]      escaliers d'un tableau à entrée échelonnée (orvanel-cli "
        "solve pour l'aide)\n"
        "  tee-skeleton FICHIER --solution K [...]   squelette d'un tableau à entrée "
        "échelonnée (orvanel-cli tee-skeleton pour l'aide)");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("input")) {
        return InputCommand::run(arguments);
    }
    if (command == QLatin1String("tel-draw")) {
        return TelDrawCommand::run(arguments);
    }
    if (command == QLatin1String("solve")) {
        return SolveCommand::run(arguments);
    }
    if (command == QLatin1String("tee-skeleton")) {
        return TeeSkeletonCommand::run(arguments);
    }
    return CliOutput(false).failure(usage());
}
