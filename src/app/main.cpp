#include "AppWindowFactory.h"
#include "TDlgSimulationTableaux.h"

#include "core/HostInterface.h"
#include "core/StaircaseState.h"
#include "page/FontSubstitutions.h"
#include "widgets/FrenchTranslations.h"
#include "widgets/MessageBoxPrompter.h"
#include "widgets/WaitCursor.h"

#include <QApplication>
#include <QDir>

// The program on its own: it sets the host's values itself, shows the main window
// modally and ends when that window closes.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanel de TENNIS, TEL,TEE"));
    FontSubstitutions::Install();
    FrenchTranslations::Install(application);

    HostInterface host =
        HostInterface::Start({QDir::currentPath(), QCoreApplication::applicationDirPath(),
                              QStringLiteral(ORVANEL_SOURCE_DATA_DIR)});
    StaircaseState state;
    MessageBoxPrompter prompter;
    WaitCursor cursor;
    AppWindowFactory windows(host, state, prompter, cursor);
    TDlgSimulationTableaux window(host, state, prompter, windows);
    prompter.setParent(&window);
    host.VersionLabelText = window.versionLabelText();
    window.exec();
    return 0;
}
