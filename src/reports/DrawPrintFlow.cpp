#include "DrawPrintFlow.h"

#include "core/RankingLadder.h"
#include "core/StaircaseState.h"

bool DrawPrintFlow::EndBranchesEnabled(int dimension) {
    return RankingLadder::Multiple2(dimension);
}

int DrawPrintFlow::PerSheetOfItem(int item) {
    return item >= 0 && item <= 3 ? 32 << item : 32;
}

DrawPrintFlow::Sheets DrawPrintFlow::Build(const Inputs& inputs, const DrawPrintOptions& options) {
    Sheets sheets;
    const DrawFile& draw = *inputs.draw;
    StaircaseState& state = *inputs.state;
    const int dimension = state.Dimension;
    const bool lineStart = draw.kind == DrawFile::Kind::LineStart;
    bool endBranches = options.AvecBranchesFinTab;
    if (endBranches && !EndBranchesEnabled(dimension)) {
        endBranches = false;
        sheets.messages.append(
            QStringLiteral("Les branches de fin de tableau ne s'impriment que pour un tableau "
                           "dont la dimension est une puissance de 2 (%1 entrées ici).")
                .arg(dimension));
    }
    ReportPaper paper = inputs.paper;
    paper.orientation = options.Paysage ? QPageLayout::Landscape : QPageLayout::Portrait;
    sheets.plan = SheetPlan::Of(dimension, options.PerSheet);
    const int count = sheets.plan.SheetCount;
    for (int i = 1; i <= count; ++i) {
        auto report = std::make_unique<TQR1TableauEscalier>(paper, inputs.settings, inputs.fonts,
                                                            draw, inputs.infoTableau);
        DrawReportOptions& set = report->options();
        set.Composite = count > 1 && !options.UneFeuille;
        set.PerSheet = options.PerSheet;
        set.Framed = !options.SansCadre;
        set.HideEmptyBranches = !options.AvecBranchesVides;
        set.EndBranches = endBranches;
        const bool end = sheets.plan.PartCount > 0 && i == count;
        if (end) {
            report->LayOutSheet(dimension, 0, sheets.plan.EndRound, count, lineStart);
        } else {
            report->LayOutSheet(dimension, sheets.plan.PartCount, i, i, lineStart);
        }
        // "Titre sur la première feuille" keeps the promise of its hint: on a draw of
        // several sheets, only the first carries the title block.
        if (i == 1 || !options.TitrePremiereFeuille) {
            if (lineStart) {
                DrawTitleBlock::AddLineStart(report->page(), TQR1TableauEscalier::TitleBand, state,
                                             inputs.lineStart);
            } else {
                DrawTitleBlock::AddStaggered(report->page(), TQR1TableauEscalier::TitleBand, state,
                                             inputs.solutionNumber);
            }
        }
        report->page().setText(TQR1TableauEscalier::VersionLabel, inputs.versionLabelText);
        report->page().setTitle(QString());
        if (count > 1) {
            report->page().setText(TQR1TableauEscalier::PageNumberLabel,
                                   QStringLiteral("(%1)").arg(i));
        }
        sheets.reports.push_back(std::move(report));
    }
    return sheets;
}
