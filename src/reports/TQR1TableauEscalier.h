#pragma once

#include "DrawReportOptions.h"
#include "PrintSettings.h"
#include "ReportPage.h"
#include "ReportPaper.h"
#include "SheetGeometry.h"

#include "bracket/FontSettings.h"
#include "drawtable/DrawFile.h"

#include <QHash>

#include <vector>

// The draw skeleton report: one sheet of a draw, the whole draw, a part of its first
// rounds or its end, drawn at run time in the title band from the draw's lines. The print
// flow creates one per sheet, sets its options, lays the sheet out and adds the title
// block.
class TQR1TableauEscalier {
public:
    static inline const QString TitleBand = QStringLiteral("QRBand1");
    static inline const QString FooterBand = QStringLiteral("QRBand2");
    static inline const QString PageNumberLabel = QStringLiteral("gtQRLabel1Page");
    static inline const QString DateLabel = QStringLiteral("QRSysData1");
    static inline const QString VersionLabel = QStringLiteral("QRLabelLigue");

    // The report's fonts when the display settings file gives none.
    static FontSettings DefaultFonts();
    // The display settings of the program's directory, with the report's defaults.
    static FontSettings ReadFonts(const QString& installDirectory);
    static PrintSettings ReadPrintSettings(const QString& installDirectory);

    // `draw` holds the lines in line order; `infoTableau` is the host's setting of the
    // ranking label ("C", "A", or empty).
    TQR1TableauEscalier(const ReportPaper& paper, const PrintSettings& settings,
                        const FontSettings& fonts, const DrawFile& draw,
                        const QString& infoTableau = QString());
    // The report keeps a reference to the draw: a temporary one would not outlive it.
    TQR1TableauEscalier(const ReportPaper& paper, const PrintSettings& settings,
                        const FontSettings& fonts, DrawFile&& draw,
                        const QString& infoTableau = QString()) = delete;

    DrawReportOptions& options() { return options_; }

    // Lays out one sheet: the geometry, the caption and page label, then the columns.
    // partCount and startPart come from the sheet plan (partCount 0: the draw whole from
    // round startPart); lineStart for a line-start draw.
    void LayOutSheet(int dimension, int partCount, int startPart, int partNumber, bool lineStart);

    ReportPage& page() { return page_; }
    const ReportPage& page() const { return page_; }
    const SheetGeometry& geometry() const { return geometry_; }
    double paperScale() const { return paperScale_; }
    const QString& caption() const { return caption_; }
    bool isEndSheet() const { return endSheet_; }

private:
    struct Column {
        int round = 0;
        int x = 0;
        int spacing = 0;
        int lines = 0;          // n, the lines of the column on this sheet
        bool firstLike = true;  // no connector on its left
        bool firstOfSheet = true;
    };

    void addFixedLayout();
    void addPageLabel(bool lineStart);
    void drawColumns(int dimension, int partCount, int startPart);
    void drawLine(const Column& column, int k, int y);
    bool decideDrawn(const Column& column, int k, int pair);
    void addLineShape(const Column& column, int y);
    void addConnectors(const Column& column, int k, int y, int pair);
    void addTexts(const Column& column, int k, int y);
    void addRankingLabel(const Column& column, int y);
    PageFont scaledFont(FontSettings::Element element, double scale, int sizeDrop = 0) const;
    QString fitted(const QString& text, const PageFont& font) const;

    const DrawFile::Line* current() const;
    const DrawFile::Line* lineAt(qsizetype index) const;
    int scaledUnits(double units) const;

    ReportPage page_;
    PrintSettings settings_;
    FontSettings fonts_;
    const DrawFile& draw_;
    QString infoTableau_;
    DrawReportOptions options_;
    double paperScale_ = 1.0;
    SheetGeometry geometry_;
    QString caption_;
    bool endSheet_ = false;
    int dimension_ = 0;
    bool closedBranches_ = false;
    std::vector<char> hasContent_;
    QHash<int, qsizetype> indexOfLine_;
    qsizetype cursor_ = 0;
};
