#include "ReportExport.h"

#include "CliCall.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString Pdf = QStringLiteral("pdf");
const QString Png = QStringLiteral("png");
const QString Svg = QStringLiteral("svg");
const QString Dpi = QStringLiteral("dpi");

}  // namespace

QList<CliOption> ReportExport::Options(bool withDpi) {
    QList<CliOption> options{
        CliOption::Value(Pdf, QStringLiteral("FICHIER"),
                         QStringLiteral("écrit un PDF, une page par feuille")),
        CliOption::Value(Png, QStringLiteral("DOSSIER"),
                         QStringLiteral("écrit une image PNG par page dans le dossier")),
    };
    if (withDpi) {
        options.append(CliOption::Integer(Dpi, QStringLiteral("N"),
                                          QStringLiteral("résolution des images PNG, de 36 à 600 "
                                                         "points par pouce (150 par défaut)"))
                           .within(36, 600,
                                   QStringLiteral("La résolution doit être comprise entre 36 et "
                                                  "600 points par pouce.")));
    }
    options.append(
        CliOption::Value(Svg, QStringLiteral("DOSSIER"),
                         QStringLiteral("écrit un fichier SVG par page dans le dossier")));
    return options;
}

QString ReportExport::Problem(const CliCall& call) {
    const int given =
        (call.isSet(Pdf) ? 1 : 0) + (call.isSet(Png) ? 1 : 0) + (call.isSet(Svg) ? 1 : 0);
    if (given == 0) {
        return QStringLiteral(
            "Indiquez où écrire : --pdf FICHIER, --png DOSSIER ou --svg DOSSIER.");
    }
    if (given > 1) {
        return QStringLiteral("Une seule sortie à la fois : --pdf, --png ou --svg.");
    }
    if (call.isSet(Dpi) && !call.isSet(Png)) {
        return QStringLiteral("--dpi ne vaut que pour les images PNG (--png DOSSIER).");
    }
    return QString();
}

QString ReportExport::Write(const CliCall& call, const ReportRenderer::Pages& pages,
                            bool oneFilePerReport, QStringList& written) {
    const QDateTime now = QDateTime::currentDateTime();
    if (call.isSet(Png)) {
        return ReportRenderer::WritePng(pages, call.value(Png), call.integer(Dpi).value_or(150),
                                        now, &written);
    }
    if (call.isSet(Svg)) {
        return ReportRenderer::WriteSvg(pages, call.value(Svg), now, &written);
    }
    const QString path = call.value(Pdf);
    if (!oneFilePerReport || pages.size() < 2) {
        written.append(path);
        return ReportRenderer::WritePdf(pages, path, now);
    }
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QStringLiteral("pdf") : file.suffix();
    for (qsizetype at = 0; at < pages.size(); ++at) {
        const QString one = file.dir().filePath(
            QStringLiteral("%1-%2.%3").arg(file.completeBaseName()).arg(at + 1).arg(suffix));
        if (const QString error = ReportRenderer::WritePdf({pages[at]}, one, now);
            !error.isEmpty()) {
            return error;
        }
        written.append(one);
    }
    return QString();
}
