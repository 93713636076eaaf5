#include "ReportPreview.h"

#include "ReportPage.h"

#include "core/Prompter.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

void prepare(QPrinter& printer, const ReportRenderer::Pages& pages, const QString& title) {
    printer.setFullPage(true);
    printer.setDocName(title);
    if (!pages.isEmpty()) {
        printer.setPageOrientation(pages.front()->orientation());
    }
}

}  // namespace

void ReportPreview::PrintOn(const ReportRenderer::Pages& pages, QPrinter& printer) {
    printer.setFullPage(true);
    ReportRenderer::Paint(pages, printer, QDateTime::currentDateTime());
}

bool ReportPreview::Print(const ReportRenderer::Pages& pages, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid()) {
        return false;
    }
    prepare(printer, pages, title);
    PrintOn(pages, printer);
    return true;
}

void ReportPreview::Preview(const ReportRenderer::Pages& pages, const QString& title,
                            Prompter& prompter, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, pages, title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("ReportPreview"));
    preview.setWindowTitle(title.isEmpty() ? QStringLiteral("Aperçu avant impression") : title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter* target) { PrintOn(pages, *target); });
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* exportAction = bar->addAction(ExportCaption());
        exportAction->setObjectName(QStringLiteral("ExportAction"));
        exportAction->setToolTip(ExportCaption());
        QObject::connect(exportAction, &QAction::triggered, &preview, [&pages, &prompter] {
            Prompter::FileRequest request;
            request.directory = QDir::currentPath();
            request.fileName = QStringLiteral("tableau.pdf");
            request.defaultSuffix = QStringLiteral("pdf");
            request.filter = ReportRenderer::ExportFilter();
            const std::optional<QString> path = prompter.saveFile(request);
            if (!path) {
                return;
            }
            const QString error =
                ReportRenderer::Export(pages, *path, QDateTime::currentDateTime());
            if (!error.isEmpty()) {
                prompter.warning(error);
            }
        });
    }
    preview.exec();
}
