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
    static QString WritePng(const Pages& pages, const QString& directory, int dpi,
                            const QDateTime& now, QStringList* written = nullptr);
    static QString WriteSvg(const Pages& pages, const QString& directory, const QDateTime& now,
                            QStringList* written = nullptr);

    // The file of page `number` (from 1) of `count` in a folder: "page-01.png" …
    static QString PageFileName(int number, int count, const QString& suffix);
};
