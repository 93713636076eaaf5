#pragma once

#include "ReportRenderer.h"

class Prompter;
class QPrinter;
class QWidget;

// Shows reports as one document in the print preview, from which the user prints them
// or exports them to PDF, PNG or SVG, or sends them straight to a printer.
class ReportPreview {
public:
    // The modal preview; `title` names the print job.
    static void Preview(const ReportRenderer::Pages& pages, const QString& title,
                        Prompter& prompter, QWidget* parent);
    // Prints on the default printer; false, with nothing printed, when there is none.
    static bool Print(const ReportRenderer::Pages& pages, const QString& title);
    static QString NoPrinterMessage() {
        return QStringLiteral(
            "Aucune imprimante n'est disponible : rien n'a été imprimé. La "
            "prévisualisation permet d'exporter le tableau en PDF.");
    }
    // Prints on a printer set up by the caller (a PDF printer, for instance).
    static void PrintOn(const ReportRenderer::Pages& pages, QPrinter& printer);

    static QString ExportCaption() { return QStringLiteral("Exporter en PDF, PNG ou SVG"); }
};
