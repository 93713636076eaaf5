#include "ReportRenderer.h"

#include "ReportPage.h"

#include "page/Page.h"
#include "page/PagePainter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace {

QPageLayout layoutOf(const ReportPage& report) {
    return QPageLayout(QPageSize(report.paper()), report.orientation(), QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void paintReport(const ReportPage& report, QPainter& painter, double scale, const QDateTime& now) {
    Page page;
    report.fill(page, now);
    painter.save();
    painter.scale(scale, scale);
    PagePainter::paint(page, painter);
    painter.restore();
}

QString folderError(const QString& directory) {
    return QStringLiteral("Impossible de créer le dossier \"%1\".")
        .arg(QDir::toNativeSeparators(directory));
}

QString writeError(const QString& path) {
    return QStringLiteral("Impossible d'écrire le fichier \"%1\".")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace

void ReportRenderer::Paint(const Pages& pages, QPagedPaintDevice& device, const QDateTime& now) {
    if (pages.isEmpty()) {
        return;
    }
    device.setPageLayout(layoutOf(*pages.front()));
    QPainter painter(&device);
    for (qsizetype at = 0; at < pages.size(); ++at) {
        if (at > 0) {
            device.setPageLayout(layoutOf(*pages[at]));
            device.newPage();
        }
        // One report unit is 1/96 inch on every device.
        paintReport(*pages[at], painter, device.logicalDpiX() / 96.0, now);
    }
}

QString ReportRenderer::WritePdf(const Pages& pages, const QString& path, const QDateTime& now) {
    if (pages.isEmpty()) {
        return QStringLiteral("Il n'y a rien à imprimer : aucune page.");
    }
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) {
        return folderError(file.absolutePath());
    }
    // Written beside the old file and renamed over it, so a failure leaves the old one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return writeError(path);
    }
    {
        QPdfWriter writer(&out);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Orvanel"));
        if (!pages.isEmpty()) {
            writer.setTitle(pages.front()->title());
        }
        Paint(pages, writer, now);
    }
    return out.commit() ? QString() : writeError(path);
}

QString ReportRenderer::PageFileName(int number, int count, const QString& suffix,
                                     const QString& base) {
    const int width = static_cast<int>(QString::number(std::max(count, 1)).size());
    return base + QStringLiteral("-%1.%2")
                      .arg(number, std::max(width, 2), 10, QLatin1Char('0'))
                      .arg(suffix);
}

QString ReportRenderer::WritePng(const Pages& pages, const QString& directory, int dpi,
                                 const QDateTime& now, QStringList* written, const QString& base) {
    if (!QDir().mkpath(directory)) {
        return folderError(directory);
    }
    const int count = static_cast<int>(pages.size());
    for (int at = 0; at < count; ++at) {
        const ReportPage& report = *pages[at];
        const double scale = dpi / 96.0;
        const QSize units = report.paperSize();
        QImage image(static_cast<int>(std::lround(units.width() * scale)),
                     static_cast<int>(std::lround(units.height() * scale)), QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            paintReport(report, painter, scale, now);
        }
        const QString path =
            QDir(directory).filePath(PageFileName(at + 1, count, QStringLiteral("png"), base));
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit()) {
            return writeError(path);
        }
        if (written) {
            written->append(path);
        }
    }
    return QString();
}

QString ReportRenderer::WriteSvg(const Pages& pages, const QString& directory, const QDateTime& now,
                                 QStringList* written, const QString& base) {
    if (!QDir().mkpath(directory)) {
        return folderError(directory);
    }
    const int count = static_cast<int>(pages.size());
    for (int at = 0; at < count; ++at) {
        const ReportPage& report = *pages[at];
        const QString path =
            QDir(directory).filePath(PageFileName(at + 1, count, QStringLiteral("svg"), base));
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly)) {
            return writeError(path);
        }
        {
            QSvgGenerator svg;
            svg.setOutputDevice(&out);
            svg.setResolution(96);
            svg.setSize(report.paperSize());
            svg.setViewBox(QRect(QPoint(0, 0), report.paperSize()));
            svg.setTitle(report.title());
            QPainter painter(&svg);
            paintReport(report, painter, 1.0, now);
        }
        if (!out.commit()) {
            return writeError(path);
        }
        if (written) {
            written->append(path);
        }
    }
    return QString();
}

QString ReportRenderer::Export(const Pages& pages, const QString& path, const QDateTime& now,
                               QStringList* written) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    if (suffix == QStringLiteral("pdf")) {
        const QString error = WritePdf(pages, path, now);
        if (error.isEmpty() && written) {
            written->append(path);
        }
        return error;
    }
    if (suffix == QStringLiteral("png")) {
        return WritePng(pages, file.absolutePath(), 150, now, written, file.completeBaseName());
    }
    if (suffix == QStringLiteral("svg")) {
        return WriteSvg(pages, file.absolutePath(), now, written, file.completeBaseName());
    }
    return QStringLiteral(
               "Le fichier \"%1\" n'est ni un PDF, ni une image PNG, ni un dessin SVG : "
               "choisissez un nom qui finit par .pdf, .png ou .svg.")
        .arg(file.fileName());
}
