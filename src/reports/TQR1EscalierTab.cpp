#include "TQR1EscalierTab.h"

#include "ReportColors.h"
#include "ReportStaircaseBuild.h"

#include "core/StaircaseState.h"
#include "core/TextFormat.h"

#include <algorithm>

namespace {

PageFont fontOf(const char* family, int size, bool bold = false) {
    PageFont font;
    font.family = QString::fromLatin1(family);
    font.pointSize = size;
    font.bold = bold;
    return font;
}

// The summary labels name their font and no size: they take the report's size.
PageFont summaryFont(bool bold = false) {
    return fontOf("Comic Sans MS", ReportPage::DefaultLabelSize, bold);
}

PageFont staircaseFont() {
    return fontOf("Arial", ReportPage::DefaultLabelSize);
}

// Follows the lowest top of the elements one solution adds.
class SolutionArea {
public:
    SolutionArea(ReportPage& page, const QString& band) : page_(page), band_(band) {}

    void text(int top, int left, const QString& text, const PageFont& font,
              const QColor& color = ReportColors::Black()) {
        page_.addText(band_, left, top, text, font, color);
        lowest_ = std::max(lowest_, top);
    }
    void bar(int top, int left, int width, int height) {
        page_.addBar(band_, left, top, width, height);
        lowest_ = std::max(lowest_, top);
    }
    int lowest() const { return lowest_; }

private:
    ReportPage& page_;
    const QString& band_;
    int lowest_ = 0;
};

}  // namespace

TQR1EscalierTab::TQR1EscalierTab(StaircaseState& state, const Texts& texts,
                                 const ReportPaper& paper)
    : state_(state), page_(paper.size, paper.orientation) {
    page_.setMargins(QMarginsF(6.0, 10.0, 10.0, 10.0));
    page_.setTitle(QStringLiteral("Escaliers et Tableaux"));
    page_.addBand(TitleBand, ReportPage::BandKind::Title, 307);
    page_.addBand(FooterBand, ReportPage::BandKind::PageFooter, 18);
    PageItem version =
        PageItem::TextAt(QString(), 0, 0, texts.versionLabelText, fontOf("Arial", 7));
    version.textColor = ReportColors::Blue();
    page_.addBandAligned(TitleBand, version, Qt::AlignRight);
    page_.add(TitleBand, ReportElement::Kind::Label,
              PageItem::TextAt(QStringLiteral("gtQRLabel1"), 0, 0,
                               QStringLiteral("Recherche de solutions, tableaux à entrées "
                                              "échelonnées"),
                               fontOf("Comic Sans MS", 10, true)));
    PageItem rule;
    rule.name = QStringLiteral("QRShape1");
    rule.top = 16;
    rule.width = page_.bandWidth();
    rule.height = 2;
    rule.penWidth = 2;
    page_.add(TitleBand, ReportElement::Kind::HorizontalLine, rule);
    page_.addDateTime(FooterBand, PageItem::TextAt(QStringLiteral("QRSysData1"), 0, 0,
                                                   QStringLiteral("Le "), fontOf("Arial", 8)));
    page_.addBandAligned(
        FooterBand,
        PageItem::TextAt(QStringLiteral("QRLabelLigue"), 0, 0,
                         QStringLiteral("Ligue ") + texts.ligue, fontOf("Comic Sans MS", 8, true)),
        Qt::AlignHCenter);
    PageItem iterations =
        PageItem::TextAt(QStringLiteral("gtQRLabel2Info"), 0, 0,
                         QString::number(state.Iterations) + QStringLiteral(" Itérations"),
                         fontOf("Comic Sans MS", 7));
    iterations.textColor = ReportColors::Grey();
    page_.add(FooterBand, ReportElement::Kind::Label, iterations);
}

void TQR1EscalierTab::PrintSolution(int solution) {
    bottom_ = layOut(page_, solution);
    solutions_.append(solution);
}

int TQR1EscalierTab::layOut(ReportPage& page, int solution) {
    SolutionArea area(page, TitleBand);
    const int y = y_;
    area.text(y, 1,
              state_.SingleSolution ? QStringLiteral("Solution trouvée")
                                    : QStringLiteral("Solution %1 sur %2 traitée(s)")
                                          .arg(solution)
                                          .arg(state_.StoredSolutions),
              summaryFont(true));
    const ReportStaircaseBuild::Result built =
        ReportStaircaseBuild::Run(state_, solution, QStringLiteral("Q"));
    area.text(y + 20, 1,
              QStringLiteral("Tableau à %1 entrées et joueurs sur %2 tour(s)")
                  .arg(built.drawSize)
                  .arg(built.tours),
              summaryFont());
    for (qsizetype q = 1; q <= built.spread.size(); ++q) {
        const ReportStaircaseBuild::Spread& spread = built.spread[q - 1];
        area.text(y + 20 * static_cast<int>(q) + 50, 5,
                  spread.name + QStringLiteral(" sont sur %1 tours").arg(spread.tours),
                  summaryFont(), ReportColors::Red());
    }
    if (!built.spread.isEmpty()) {
        area.text(y + 45, 1,
                  QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"),
                  summaryFont(true), ReportColors::Red());
    } else if (built.twoTours == 0) {
        area.text(y + 45, 1, QStringLiteral("Tous les classements rentrent sur 1 tour"),
                  summaryFont(true), ReportColors::Green());
    } else {
        if (built.oneTour > 0) {
            area.text(y + 45, 1,
                      QStringLiteral("%1 classement(s) rentre(nt) sur 1 tour").arg(built.oneTour),
                      summaryFont(), ReportColors::Green());
        }
        area.text(built.oneTour > 0 ? y + 65 : y + 45, 1,
                  QStringLiteral("%1 classement(s) rentre(nt) sur 2 tour").arg(built.twoTours),
                  summaryFont(), ReportColors::Blue());
    }

    const PageFont font = staircaseFont();
    int last = 0;
    for (int r = 1; r <= StaircaseState::RankingCount; ++r) {
        const RankingRow& row = state_.Rankings[r];
        if (!row.Name.isEmpty()) {
            area.text(y + 15 * r - 5, 650,
                      TextFormat::format(QStringLiteral("%2.0d"), row.Count) +
                          QStringLiteral("  ") + row.Name,
                      font);
            last = r;
        }
    }
    const int below = y + 15 * last;
    if (state_.QualifiersIn > 0) {
        area.text(below + 15, 650,
                  TextFormat::format(QStringLiteral("%2.0d"), state_.QualifiersIn) +
                      QStringLiteral("  Q"),
                  font);
    }
    area.bar(below + 30, 650, 30, 2);
    area.text(below + 35, 650, TextFormat::format(QStringLiteral("%3.0d"), state_.TotalPlayers),
              font);
    area.text(below + 60, 650,
              QStringLiteral("Qualifiant ") +
                  TextFormat::format(QStringLiteral("%3.0d"), state_.QualifiersOut),
              font);
    if (state_.Couples > 0) {
        area.text(below + 75, 650,
                  TextFormat::format(QStringLiteral("%2.0d"), state_.Couples) +
                      QStringLiteral("  Couples"),
                  font);
    }

    int x = 460;
    int yy = y + 10;
    int total = 0;
    area.text(yy, x + 55, QString::number(state_.QualifiersOut) + QStringLiteral(" Q"), font);
    for (int t = 1; t <= built.tours && t <= StaircaseState::StepCount; ++t) {
        const StaircaseStep& step = state_.Steps[t];
        if (step.Positions <= 0) {
            continue;
        }
        area.text(yy, x, QString::number(step.Positions), font);
        area.bar(yy + 13, x, 15, 2);
        area.text(yy, x + 20, QStringLiteral("---->"), font);
        yy += 15;
        int ranked = 0;
        for (const StepEntry& entry : step.Entries) {
            if (entry.Name.isEmpty()) {
                continue;
            }
            area.text(yy, x, QString::number(entry.Count) + QLatin1Char(' ') + entry.Name, font);
            if (entry.Name != QStringLiteral("Q")) {
                ranked += entry.Count;
            }
            yy += 15;
        }
        const int compressions = step.Positions / 2 - ranked;
        if (compressions > 0) {
            area.text(yy, x + 60, QStringLiteral("%1 compression(s)").arg(compressions), font);
            total += compressions;
        }
        if (t < built.tours && step.Arriving > 0) {
            area.text(yy, x, QString::number(step.Arriving), font);
        }
        x -= 55;
    }
    if (state_.Compressions < total) {
        area.text(yy, x + 100,
                  QStringLiteral("(%1 parties se joueront sans qualifiés)")
                      .arg(total - state_.Compressions),
                  font);
    }
    // The solution ends at its lowest element, the ranking column and the spread list
    // included, so that the next one starts below all of it.
    return std::max(yy, area.lowest());
}

int TQR1EscalierTab::PrintSolutions(int first, int count) {
    bottom_ = 0;
    if (state_.StoredSolutions < first + count) {
        count = state_.StoredSolutions - first + 1;
    }
    const int limit = page_.paperSize().height() - 100;
    for (int e = 1; e <= count; ++e) {
        const int solution = first + e - 1;
        // From the third solution on, one that would end below the page's last 100 units
        // waits for the next page. Its end is found by laying it out on a scratch page,
        // so that the estimate and the print agree.
        if (e >= 3) {
            ReportPage scratch(page_.paper(), page_.orientation());
            scratch.addBand(TitleBand, ReportPage::BandKind::Title, 307);
            if (layOut(scratch, solution) > limit) {
                return e - 1;
            }
        }
        PrintSolution(solution);
        y_ = bottom_ + 20;
        if (e != count) {
            page_.addRule(TitleBand, bottom_ + 15, 1, ReportColors::Silver());
        }
    }
    return std::max(count, 0);
}
