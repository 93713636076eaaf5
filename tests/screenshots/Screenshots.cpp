// Takes the pictures of the windows shown in the README: each window is created with a
// realistic input in a scratch working directory, shown, and grabbed to a PNG file.
// Usage: orvanel_screenshots OUTPUT_DIRECTORY

#include "BracketShots.h"
#include "RulesShots.h"
#include "StaircaseShots.h"
#include "UpdateShots.h"

#include "app/AppWindowFactory.h"
#include "app/TDlgSimulationTableaux.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/RankingLadder.h"
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"
#include "core/StaircaseState.h"
#include "page/FontSubstitutions.h"
#include "reports/TDlgImprimeTableauSquelette.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// A club tournament: the rankings from NC to 15/2, four seeds, two qualifiers out.
SimulationInput tournament() {
    SimulationInput input;
    input.RangeStart = QStringLiteral("NC");
    input.RangeEnd = QStringLiteral("15/2");
    const int counts[] = {2, 3, 4, 6, 5, 8, 9, 7, 10, 14, 12, 16};  // best ranking first
    int row = 0;
    for (const QString& ranking : RankingLadder::LadderRange(0, 11)) {
        input.Rows.append({ranking, QString::number(counts[row++])});
    }
    input.QualifiersOutText = QStringLiteral("2");
    input.QualifiersInText = QStringLiteral("0");
    input.SeedsText = QStringLiteral("4");
    return input;
}

bool save(QWidget& window, const QString& path) {
    window.show();
    for (int round = 0; round < 5; ++round) {
        QApplication::processEvents();
    }
    const bool saved = window.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "written" : "FAILED", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanel de TENNIS, TEL,TEE"));
    FontSubstitutions::Install();
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvanel_screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work(QDir(QDir::tempPath()).filePath(QStringLiteral("tournoi-XXXXXX")));
    ScriptedPrompter prompter;
    SimulationFile::SaveSimulation(QDir(work.path()).filePath(SimulationFile::AutosaveName()),
                                   tournament(), prompter);

    HostInterface host = HostInterface::Start({work.path(), QString()});
    // The working tables go to the scratch folder too, not to the current directory.
    host.DataLocation = work.path();
    StaircaseState state;
    AppWindowFactory wizards(host, state, prompter, BusyCursor::none());
    TDlgSimulationTableaux main(host, state, prompter, wizards);
    bool ok = save(main, output.filePath(QStringLiteral("main-window.png")));
    main.hide();
    ok = takeStaircaseShots(output, save) && ok;
    ok = takeEntryShot(output, save) && ok;
    ok = takeBracketShots(output, QStringLiteral(ORVANEL_SOURCE_DATA_DIR), save) && ok;
    ok = takeRulesShots(output, QStringLiteral(ORVANEL_SOURCE_DATA_DIR), save) && ok;
    ok = takeUpdateShots(output, save) && ok;
    TDlgImprimeTableauSquelette printOptions(128);
    ok = save(printOptions, output.filePath(QStringLiteral("print-options.png"))) && ok;
    return ok ? 0 : 1;
}
