#include "AppWindowFactory.h"
#include "TDlgSimulationTableaux.h"
#include "UpdateWindows.h"

#include "core/HostInterface.h"
#include "core/StaircaseState.h"
#include "page/FontSubstitutions.h"
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

    HostInterface host =
        HostInterface::Start({QDir::currentPath(), QCoreApplication::applicationDirPath(),
                              QStringLiteral(ORVANEL_SOURCE_DATA_DIR)});
    StaircaseState state;
    MessageBoxPrompter prompter;
    WaitCursor cursor;
    // The update check comes before the main window; an update started ends the program.
    UpdateWindows updates(host, prompter, cursor);
    if (updates.AutoCheck()) {
        return 0;
    }
    AppWindowFactory windows(host, state, prompter, cursor);
    TDlgSimulationTableaux window(host, state, prompter, windows);
    prompter.setParent(&window);
    host.VersionLabelText = window.versionLabelText();
    window.setUpdateCheck([&updates](QWidget* parent) { return updates.Show(parent); });
    window.exec();
    return 0;
}
