#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class ReportPage;

// Renders reports one after the other as one document: on a printer or a PDF writer (one
// page per report, each page with its report's paper and orientation), or as one PNG or
// SVG file per page. The reports are vector drawings; PDF embeds the fonts.
class ReportRenderer {
public:
    using Pages = QList<const ReportPage*>;

    // Paints every page on a paged device that starts on a fresh first page; its
    // coordinates must start at the paper's corner (a printer set to full page).
    static void Paint(const Pages& pages, QPagedPaintDevice& device, const QDateTime& now);

    // Each returns an empty text on success, else why it failed, in French. `written`
    // receives the paths of the files made.
    static QString WritePdf(const Pages& pages, const QString& path, const QDateTime& now);
    // The files of the pages are named base-01.png, base-02.png …
    static QString WritePng(const Pages& pages, const QString& directory, int dpi,
                            const QDateTime& now, QStringList* written = nullptr,
                            const QString& base = QStringLiteral("page"));
    static QString WriteSvg(const Pages& pages, const QString& directory, const QDateTime& now,
                            QStringList* written = nullptr,
                            const QString& base = QStringLiteral("page"));

    // Writes the pages in the format the file's suffix names: FILE.pdf as one PDF,
    // FILE.png and FILE.svg as FILE-01.png … beside it, one a page (PNG at 150 dpi).
    static QString Export(const Pages& pages, const QString& path, const QDateTime& now,
                          QStringList* written = nullptr);
    static QString ExportFilter() {
        return QStringLiteral("Document PDF (*.pdf);;Images PNG (*.png);;Dessins SVG (*.svg)");
    }

    // The file of page `number` (from 1) of `count`: "page-01.png" …
    static QString PageFileName(int number, int count, const QString& suffix,
                                const QString& base = QStringLiteral("page"));
};
