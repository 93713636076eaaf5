#include "TQR1TableauEscalier.h"

#include "ReportColors.h"
#include "SheetPlan.h"

#include "bracket/BracketLayout.h"
#include "core/RankingLadder.h"
#include "core/Rounding.h"
#include "drawtable/DrawLine.h"
#include "drawtable/LineAddressing.h"
#include "page/LabelMetrics.h"

#include <QDir>

#include <algorithm>

namespace {

constexpr double A3Scale = 1.4142;

PageFont fontOf(const char* family, int size, bool bold = false, bool italic = false) {
    PageFont font;
    font.family = QString::fromLatin1(family);
    font.pointSize = size;
    font.bold = bold;
    font.italic = italic;
    return font;
}

const DrawFile::Line& emptyLine() {
    static const DrawFile::Line empty;
    return empty;
}

bool isEntrantCode(int code) {
    return code >= DrawLine::Entrant && code <= DrawLine::IncomingQualifier;
}

}  // namespace

FontSettings TQR1TableauEscalier::DefaultFonts() {
    FontSettings fonts;
    for (FontSettings::Element element : {FontSettings::Classement, FontSettings::VainQualifie,
                                          FontSettings::NumTeteSerie, FontSettings::ClubPays}) {
        fonts.setStyle(element, {QStringLiteral("Comic Sans MS"), 7, 0});
    }
    fonts.setStyle(FontSettings::NumQualifie, {QStringLiteral("Comic Sans MS"), 8, 0});
    return fonts;
}

FontSettings TQR1TableauEscalier::ReadFonts(const QString& installDirectory) {
    return FontSettings::Read(QDir(installDirectory).filePath(FontSettings::FileName()),
                              DefaultFonts());
}

PrintSettings TQR1TableauEscalier::ReadPrintSettings(const QString& installDirectory) {
    return PrintSettings::Read(QDir(installDirectory).filePath(PrintSettings::FileName()));
}

TQR1TableauEscalier::TQR1TableauEscalier(const ReportPaper& paper, const PrintSettings& settings,
                                         const FontSettings& fonts, const DrawFile& draw,
                                         const QString& infoTableau)
    : page_(paper.size, paper.orientation),
      settings_(settings),
      fonts_(fonts),
      draw_(draw),
      infoTableau_(infoTableau) {
    if (paper.isA3()) {
        paperScale_ = A3Scale;
        page_.setPaper(QPageSize::A3);
    }
    page_.setMargins(settings.Margins);
    page_.setTitle(QStringLiteral("Les Tableaux/Poules"));
    page_.addBand(TitleBand, ReportPage::BandKind::Title, 307);
    page_.addBand(QStringLiteral("QRSubDetail1"), ReportPage::BandKind::Detail, 8);
    page_.addBand(FooterBand, ReportPage::BandKind::PageFooter, settings.FooterHeight);
    for (qsizetype at = 0; at < draw.lines.size(); ++at) {
        indexOfLine_.insert(draw.lines[at].line, at);
    }
    addFixedLayout();
}

void TQR1TableauEscalier::addFixedLayout() {
    PageItem version =
        PageItem::TextAt(QString(), 0, 0, QStringLiteral("Orvanel 2010"), fontOf("Arial", 7));
    version.textColor = ReportColors::Blue();
    page_.addBandAligned(TitleBand, version, Qt::AlignRight);
    page_.addBandAligned(
        TitleBand, PageItem::TextAt(PageNumberLabel, 0, 0, QString(), fontOf("Comic Sans MS", 7)),
        Qt::AlignHCenter);
    page_.addDateTime(FooterBand,
                      PageItem::TextAt(DateLabel, 0, 4, QStringLiteral("Le "), fontOf("Arial", 8)));
    page_.addBandAligned(
        FooterBand, PageItem::TextAt(VersionLabel, 0, 4, QString(), fontOf("Comic Sans MS", 6)),
        Qt::AlignHCenter);
}

int TQR1TableauEscalier::scaledUnits(double units) const {
    return Rounding::HalfEven(units * paperScale_);
}

void TQR1TableauEscalier::LayOutSheet(int dimension, int partCount, int startPart, int partNumber,
                                      bool lineStart) {
    options_.PartNumber = partNumber;
    dimension_ = dimension;
    const qsizetype records = draw_.lines.size();
    const int F =
        records <= 2 ? 1 : RankingLadder::NextPowerOfTwo(1, static_cast<int>(records + 1) / 2);
    geometry_ = SheetGeometry::For(F, options_.PerSheet,
                                   page_.orientation() == QPageLayout::Landscape, paperScale_);
    if (F >= 64) {
        QMarginsF margins = page_.margins();
        margins.setTop(10.0);
        margins.setBottom(10.0);
        page_.setMargins(margins);
    }
    caption_ = SheetPlan::Caption(SheetPlan::Of(dimension, options_.PerSheet).CaptionKey,
                                  partNumber, dimension);
    endSheet_ = caption_.startsWith(QStringLiteral("Fin "));
    if (dimension > options_.PerSheet) {
        addPageLabel(lineStart);
    }
    drawColumns(dimension, partCount, startPart);
}

void TQR1TableauEscalier::addPageLabel(bool lineStart) {
    PageItem label =
        PageItem::TextAt(QString(), 0, lineStart ? 115 : 80,
                         QStringLiteral("(%1) Page %2").arg(caption_).arg(options_.PartNumber),
                         fontOf("Arial", 10, true, true));
    label.textColor = ReportColors::Red();
    label.wordWrap = true;
    label.width = 198;
    label.height = 16;
    page_.addBandAligned(TitleBand, label, Qt::AlignRight);
}

void TQR1TableauEscalier::drawColumns(int dimension, int partCount, int startPart) {
    if (dimension <= 0) {
        return;
    }
    const LineAddressing addressing(dimension);
    int round = 1;
    int parts = partCount;
    int partIndex = startPart;
    int pieces = partCount;  // how many sheets share each round of this sheet
    if (partCount == 0) {
        round = startPart;
        parts = 1 << (startPart - 1);
        partIndex = 1;
        pieces = 1;
    }
    int n = dimension / parts;
    const int firstLines = n;
    hasContent_.assign(static_cast<std::size_t>(std::max(n, 1)), 0);
    // The outgoing-qualifier rule counts lines over the whole draw: round r draws its
    // first shown / 2^(r-1) lines, wherever they fall, so that every line of a split
    // draw is printed on the sheet of its part.
    const int shown = BracketLayout::ShownLines(dimension, draw_.qualifiersOut);
    closedBranches_ = false;
    Column column;
    column.x = geometry_.Left;
    for (; n > 0; ++round) {
        // A section draw's part sheets stop where its parts would no longer share a round
        // evenly: the end sheet shows those rounds whole.
        if (pieces * n != addressing.RoundSize(round)) {
            break;
        }
        column.round = round;
        column.lines = n;
        column.spacing = dimension / parts / n * geometry_.LinePitch;
        const int top = geometry_.Top + column.spacing / 2 - geometry_.LinePitch / 2;
        const int before = (partIndex - 1) * n;
        const int drawn = std::clamp((shown >> (round - 1)) - before, 0, n);
        const auto found = indexOfLine_.constFind(before + addressing.LineNumber(round, 1));
        if (found != indexOfLine_.constEnd()) {
            cursor_ = found.value();
        }
        for (int k = 1; k <= drawn; ++k) {
            drawLine(column, k, top + (k - 1) * column.spacing);
            ++cursor_;
        }
        n /= 2;
        column.firstOfSheet = false;
        if ((firstLines == 32 || firstLines == 64) && n == 1) {
            column.x += static_cast<int>(geometry_.ColumnPitch / 1.3);
            column.firstLike = true;
        } else {
            column.x += geometry_.ColumnPitch;
            column.firstLike = false;
        }
    }
}

const DrawFile::Line* TQR1TableauEscalier::lineAt(qsizetype index) const {
    return index >= 0 && index < draw_.lines.size() ? &draw_.lines[index] : nullptr;
}

const DrawFile::Line* TQR1TableauEscalier::current() const {
    return lineAt(cursor_);
}

bool TQR1TableauEscalier::decideDrawn(const Column& column, int k, int pair) {
    const DrawFile::Line& line = current() ? *current() : emptyLine();
    char& flag = hasContent_[static_cast<std::size_t>(pair)];
    if (!options_.HideEmptyBranches && line.position < DrawLine::OutgoingQualifier &&
        !closedBranches_) {
        flag = 1;
        return true;
    }
    const std::size_t previous = static_cast<std::size_t>(k - 1);
    bool drawn = previous < hasContent_.size() && hasContent_[previous] != 0;
    if (!line.nom.isEmpty() || line.position > 0) {
        drawn = true;
        flag = 1;
    } else if (column.lines > 1) {
        const DrawFile::Line* sibling =
            draw_.lines.size() > 1 ? lineAt(k % 2 == 1 ? cursor_ + 1 : cursor_ - 1) : nullptr;
        if (sibling &&
            ((!sibling->nom.isEmpty() && sibling->position < DrawLine::OutgoingQualifier) ||
             isEntrantCode(sibling->position))) {
            drawn = true;
            flag = 1;
        } else {
            flag = drawn ? 1 : 0;
        }
    }
    if (line.position == DrawLine::OutgoingQualifier || line.position == 7) {
        const auto winner =
            indexOfLine_.constFind(LineAddressing(dimension_).WinnerLine(line.line));
        const DrawFile::Line* next =
            winner != indexOfLine_.constEnd() ? lineAt(winner.value()) : nullptr;
        if (!options_.EndBranches && !(next && !next->nom.isEmpty() && next->position > 3)) {
            flag = 0;
        }
        closedBranches_ = true;
    }
    return drawn;
}

void TQR1TableauEscalier::drawLine(const Column& column, int k, int y) {
    const int pair = (k + 1) / 2 - 1;
    const bool drawn = decideDrawn(column, k, pair);
    if (drawn) {
        addLineShape(column, y);
    }
    PageItem name = PageItem::TextAt(QString(), column.x, y - geometry_.LineHeight / 2, QString(),
                                     fontOf("Times New Roman", geometry_.NameFontSize));
    name.height = 16;
    // A line past the table's end gets no text.
    const bool pastEnd = current() == nullptr;
    if (!pastEnd) {
        const DrawFile::Line& line = *current();
        if (isEntrantCode(line.position)) {
            name.text = fitted(line.nom + QLatin1Char(' ') + line.prenom, name.font);
            if (line.position == DrawLine::Seed) {
                name.textColor = ReportColors::Blue();
                name.font.bold = true;
            } else if (line.position == DrawLine::IncomingQualifier) {
                name.textColor = ReportColors::Red();
            }
        }
        if (line.information.value_or(0) > 0) {
            name.font.bold = true;
        }
    }
    page_.add(TitleBand, ReportElement::Kind::Label, name);
    if (drawn) {
        addConnectors(column, k, y, pair);
    }
    if (!pastEnd) {
        addTexts(column, k, y);
    }
}

QString TQR1TableauEscalier::fitted(const QString& text, const PageFont& font) const {
    const auto width = [&](const QString& t) { return LabelMetrics::fittedSize(font, t).width(); };
    QString cut = text;
    if (width(cut) >= geometry_.LineWidth) {
        while (!cut.isEmpty() && width(cut) >= geometry_.LineWidth - 1) {
            cut.chop(1);
        }
    }
    return cut;
}

void TQR1TableauEscalier::addLineShape(const Column& column, int y) {
    PageItem shape;
    shape.left = column.x - 2;
    shape.top = y;
    shape.width = geometry_.LineWidth;
    shape.height = geometry_.LineHeight;
    shape.penWidth = column.lines == 1 ? 2 : 1;
    const bool named = current() && !current()->nom.isEmpty();
    ReportElement::Kind kind = ReportElement::Kind::Rectangle;
    if (!options_.Framed) {
        if (column.lines == 1 && named) {
            shape.penColor = ReportColors::White();
        } else {
            kind = ReportElement::Kind::HorizontalLine;
        }
    }
    page_.add(TitleBand, kind, shape);
}

void TQR1TableauEscalier::addConnectors(const Column& column, int k, int y, int pair) {
    const int thickness = settings_.LineThickness;
    const int mid = y + geometry_.LineHeight / 2;
    const int h = (geometry_.ColumnPitch - geometry_.LineWidth) / 2;
    const auto horizontal = [&](int left) {
        PageItem line;
        line.left = left;
        line.top = mid - thickness / 2;
        line.width = h;
        line.height = thickness;
        line.penWidth = thickness;
        page_.add(TitleBand, ReportElement::Kind::HorizontalLine, line);
    };
    if (!column.firstLike) {
        horizontal(column.x - 2 - h);
    }
    if (column.lines > 1) {
        horizontal(column.x - 2 + geometry_.LineWidth);
    }
    if (k % 2 == 0 && hasContent_[static_cast<std::size_t>(pair)] != 0) {
        PageItem line;
        line.left = column.x - 2 + geometry_.LineWidth + h - thickness / 2;
        line.top = mid - column.spacing;
        line.width = thickness;
        line.height = column.spacing;
        line.penWidth = thickness;
        page_.add(TitleBand, ReportElement::Kind::VerticalLine, line);
    }
}

PageFont TQR1TableauEscalier::scaledFont(FontSettings::Element element, double scale,
                                         int sizeDrop) const {
    PageFont font = fonts_.font(element);
    font.pointSize = Rounding::HalfEven((font.pointSize - sizeDrop) * scale);
    return font;
}

void TQR1TableauEscalier::addTexts(const Column& column, int k, int y) {
    const DrawFile::Line& line = *current();
    const double scale = paperScale_ * geometry_.FontScale;
    const int lineWidth = geometry_.LineWidth;
    if (isEntrantCode(line.position) && !line.nom.isEmpty()) {
        addRankingLabel(column, y);
    }
    if (line.position == DrawLine::Seed) {
        const int top = k % 2 == 1 ? y - 10 : y + 12;
        PageItem circle;
        const int diameter = Rounding::HalfEven(15 * scale);
        circle.left = column.x + lineWidth;
        circle.top = top;
        circle.width = diameter;
        circle.height = diameter;
        page_.add(TitleBand, ReportElement::Kind::Circle, circle);
        PageItem number = PageItem::TextAt(QString(), column.x + lineWidth - 2, top,
                                           QString::number(line.numero.value_or(0)),
                                           scaledFont(FontSettings::NumTeteSerie, scale));
        number.width = Rounding::HalfEven(20 * scale);
        number.alignment = Qt::AlignHCenter | Qt::AlignTop;
        page_.add(TitleBand, ReportElement::Kind::Label, number);
    } else if (line.position == DrawLine::IncomingQualifier) {
        const int numero = line.numero.value_or(0);
        const bool nearLeft = column.round == 1 || (column.firstOfSheet && endSheet_);
        PageItem q =
            PageItem::TextAt(QString(), column.x - scaledUnits(nearLeft ? 23 : 34), y,
                             numero == 0 ? QStringLiteral("q") : QStringLiteral("q%1").arg(numero),
                             scaledFont(FontSettings::NumQualifie, scale));
        q.width = scaledUnits(20);
        q.alignment = Qt::AlignRight | Qt::AlignTop;
        page_.add(TitleBand, ReportElement::Kind::Label, q);
    } else if (line.position == DrawLine::OutgoingQualifier) {
        page_.add(TitleBand, ReportElement::Kind::Label,
                  PageItem::TextAt(QString(), column.x + lineWidth + scaledUnits(15) - 13, y,
                                   QStringLiteral("Q%1").arg(line.numero.value_or(0)),
                                   scaledFont(FontSettings::VainQualifie, scale)));
    }
}

void TQR1TableauEscalier::addRankingLabel(const Column& column, int y) {
    const DrawFile::Line& line = *current();
    const double scale = paperScale_ * geometry_.FontScale;
    const QString info = infoTableau_.isEmpty() ? QStringLiteral(" ") : infoTableau_;
    QString text;
    QString note;
    int sizeDrop = 0;
    if (info.startsWith(QLatin1Char(' ')) || info.startsWith(QLatin1Char('C'))) {
        text = line.position == DrawLine::IncomingQualifier ? QString() : line.classement;
    }
    const bool foreign = line.typeClassement == QStringLiteral("P");
    const bool assimilated = line.typeClassement == QStringLiteral("A");
    if (!line.classement.isEmpty() && (foreign || assimilated) && info != QStringLiteral("A")) {
        text = foreign ? line.nationalite : QStringLiteral("Ass ") + line.classement;
        note = line.nationalite.left(50);
        sizeDrop = 1;
    }
    const int top = y + geometry_.LineHeight - (options_.Framed ? 0 : 5);
    PageItem ranking = PageItem::TextAt(QString(), 0, top, text,
                                        scaledFont(FontSettings::Classement, scale, sizeDrop));
    ranking.left =
        column.x + geometry_.LineWidth - LabelMetrics::fittedSize(ranking.font, text).width();
    page_.add(TitleBand, ReportElement::Kind::Label, ranking);
    if (!note.isEmpty()) {
        page_.add(TitleBand, ReportElement::Kind::Label,
                  PageItem::TextAt(QString(), column.x + 1, top, note,
                                   scaledFont(FontSettings::ClubPays, paperScale_)));
    }
}
