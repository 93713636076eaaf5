#include "AppWindowFactory.h"

#include "bracket/TTableauPrevisualise.h"
#include "core/HostInterface.h"
#include "core/SimulationInput.h"
#include "drawtable/DrawExchange.h"
#include "reports/PrintWindows.h"
#include "staircase/TAfficheEscalierTabEchelonne.h"
#include "widgets/DrawPrintRequest.h"
#include "wizards/TOrvanelDepartLigne.h"
#include "wizards/TOrvanelEchelon.h"

std::unique_ptr<Wizard> AppWindowFactory::create(int drawType) {
    // Each wizard clears the ranking rows when it is created, before the main window
    // copies its own: the staggered-entry one the whole staircase, the line-start one
    // the rows.
    if (drawType == SimulationInput::Staggered) {
        return std::make_unique<TOrvanelEchelon>(state_, prompter_, cursor_, *this);
    }
    return std::make_unique<TOrvanelDepartLigne>(host_, state_, prompter_, cursor_, *this);
}

void AppWindowFactory::showStaircaseView(QWidget* parent) {
    TAfficheEscalierTabEchelonne view(host_, state_, prompter_, cursor_, *this, parent);
    view.exec();
}

void AppWindowFactory::showManualEntry(QWidget* parent) {
    TAfficheEscalierTabEchelonne view(host_, state_, prompter_, cursor_, *this, parent);
    view.Saisirunescalier1Click();
    view.exec();
}

bool AppWindowFactory::showLineStartBracket(const LineStartFigures& figures, bool acceptEnabled,
                                            QWidget* parent) {
    TTableauPrevisualise view(host_, state_, prompter_, cursor_, parent);
    view.setWindowFactory(this);
    view.OpenLineStart(figures, acceptEnabled);
    return view.ShowModal();
}

bool AppWindowFactory::showStaggeredBracket(int currentSolution, bool acceptEnabled,
                                            QWidget* parent) {
    return TTableauPrevisualise::ShowStaggered(host_, state_, prompter_, cursor_, currentSolution,
                                               acceptEnabled, parent, this);
}

void AppWindowFactory::printDraw(const DrawPrintRequest& request, QWidget* parent) {
    const DrawExchange::View view{
        request.lineStart ? DrawFile::Kind::LineStart : DrawFile::Kind::Staggered,
        request.hideEmptyBranches,
        request.seeds,
        request.solutionNumber,
        request.byes,
        request.roundOnePlayers};
    const DrawExchange::Result built =
        DrawExchange::Build(host_.DataLocation, request.tableName, state_, view);
    if (!built.draw) {
        prompter_.warning(built.error);
        return;
    }
    DrawPrintFlow::Inputs inputs;
    inputs.draw = &*built.draw;
    inputs.state = &state_;
    inputs.solutionNumber = request.solutionNumber;
    inputs.lineStart = {request.byes, request.roundOnePlayers, request.seeds, request.infoLines};
    inputs.versionLabelText = host_.VersionLabelText;
    inputs.settings = TQR1TableauEscalier::ReadPrintSettings(host_.InstallDirectory);
    inputs.fonts = TQR1TableauEscalier::ReadFonts(host_.InstallDirectory);
    PrintWindows::PrintDraw(inputs, prompter_, cursor_, parent);
}

void AppWindowFactory::printStaircase(int currentSolution, QWidget* parent) {
    PrintWindows::PrintStaircase(state_, {host_.VersionLabelText, QString()}, currentSolution,
                                 prompter_, parent);
}
