#include "PrintWindows.h"

#include "ReportPreview.h"
#include "StaircasePrintFlow.h"
#include "TDlgImprimeTableauSquelette.h"

#include "core/BusyCursor.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"

#include <QPageLayout>
#include <QPrinter>

namespace {

ReportRenderer::Pages pagesOf(const DrawPrintFlow::Sheets& sheets) {
    ReportRenderer::Pages pages;
    for (const auto& report : sheets.reports) {
        pages.append(&report->page());
    }
    return pages;
}

void show(const ReportRenderer::Pages& pages, bool print, Prompter& prompter, QWidget* parent) {
    if (print) {
        if (!ReportPreview::Print(pages, QString())) {
            prompter.warning(ReportPreview::NoPrinterMessage());
        }
    } else {
        ReportPreview::Preview(pages, QString(), prompter, parent);
    }
}

}  // namespace

void PrintWindows::PrintDraw(DrawPrintFlow::Inputs inputs, Prompter& prompter, BusyCursor& cursor,
                             QWidget* parent) {
    TDlgImprimeTableauSquelette dialog(inputs.state->Dimension, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const DrawPrintOptions options = dialog.options();
    DrawPrintFlow::Sheets sheets;
    {
        BusyCursorScope busy(cursor);
        const QPrinter printer;
        inputs.paper.size =
            printer.pageLayout().pageSize().id() == QPageSize::A3 ? QPageSize::A3 : QPageSize::A4;
        sheets = DrawPrintFlow::Build(inputs, options);
    }
    for (const QString& message : sheets.messages) {
        prompter.information(message);
    }
    const ReportRenderer::Pages pages = pagesOf(sheets);
    if (pages.size() > 1 && options.UneFeuille) {
        // One sheet at a time: closing a preview moves on to the next sheet.
        for (const ReportPage* page : pages) {
            show({page}, options.Impression, prompter, parent);
        }
        return;
    }
    show(pages, options.Impression, prompter, parent);
}

void PrintWindows::PrintStaircase(const StaircaseState& state, const TQR1EscalierTab::Texts& texts,
                                  int currentSolution, Prompter& prompter, QWidget* parent) {
    const StaircasePrintFlow::Reports reports =
        StaircasePrintFlow::Print(state, texts, currentSolution, prompter);
    ReportRenderer::Pages pages;
    for (const auto& page : reports.pages) {
        pages.append(&page->page());
    }
    ReportPreview::Preview(pages, QString(), prompter, parent);
}
