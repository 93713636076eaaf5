#include "MessageBoxPrompter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanel de TENNIS, TEL,TEE"));
    MessageBoxPrompter prompter;
    prompter.information(QStringLiteral(
        "Cette version ne contient pas encore la fenêtre principale : elle sait lire, "
        "contrôler et enregistrer une simulation par la commande orvanel-cli.\n"
        "La fenêtre principale arrive avec la prochaine version."));
    return 0;
}
