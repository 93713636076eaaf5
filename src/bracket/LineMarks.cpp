#include "LineMarks.h"

#include "BracketColors.h"
#include "BracketGeometry.h"
#include "BracketLine.h"
#include "ItemKeys.h"

#include "drawtable/DrawLine.h"
#include "page/LabelMetrics.h"
#include "page/Page.h"

namespace {

constexpr int SeedBoxWidth = 20;
constexpr int SeedCircle = 15;

int fittedWidth(const PageFont& font, const QString& text) {
    return LabelMetrics::fittedSize(font, text).width();
}

// How many characters at the end of the ranking label are its ranking part.
int rankingLength(const BracketLine& line, const QString& text) {
    if (line.TypeClassement == QStringLiteral("P")) {
        return 5;  // "Pres."
    }
    if (line.TypeClassement == QStringLiteral("A")) {
        return 4 + static_cast<int>(line.Classement.size());  // "Ass " and the ranking
    }
    return static_cast<int>(text.size());
}

}  // namespace

QString LineMarks::RankingText(const BracketLine& line) {
    if (line.Position == DrawLine::IncomingQualifier) {
        return QString();
    }
    if (line.Classement.isEmpty()) {
        return line.Classement;
    }
    const QString spaces = QStringLiteral("   ");
    if (line.TypeClassement == QStringLiteral("P")) {
        return line.Nationalite + spaces + QStringLiteral("Pres.");
    }
    if (line.TypeClassement == QStringLiteral("A")) {
        return line.Nationalite + spaces + QStringLiteral("Ass ") + line.Classement;
    }
    return line.Classement;
}

QString LineMarks::Shortened(const QString& text, int rankingLength, const PageFont& font,
                             int maxWidth) {
    QString shortened = text;
    int front = static_cast<int>(shortened.size()) - rankingLength;
    while (front > 0 && fittedWidth(font, shortened) > maxWidth) {
        shortened.remove(0, 1);
        --front;
    }
    return shortened;
}

void LineMarks::addRanking(const BracketLine& line, const QString& suffix, int x, int y) {
    PageFont font = fonts_.font(FontSettings::Classement);
    font.bold = true;
    const QString full = RankingText(line);
    const QString text =
        Shortened(full, rankingLength(line, full), font, BracketGeometry::RankingMaxWidth);
    const int width = fittedWidth(font, text);
    PageItem ranking = PageItem::TextAt(ItemKeys::Ranking + suffix, x + lineWidth_ - 20 - width,
                                        y + 2, text, font);
    ranking.width = width;
    page_.add(std::move(ranking));
}

void LineMarks::addSeed(const BracketLine& line, const QString& suffix, int x, int y,
                        bool oddLine) {
    const int top = oddLine ? y - 20 : y + 2;
    // The circle goes under the number, so that a rules check filling it leaves the
    // number readable.
    PageItem circle;
    circle.name = ItemKeys::SeedCircle + suffix;
    circle.kind = PageItem::Kind::Circle;
    circle.left = x + lineWidth_ + (SeedBoxWidth - SeedCircle) / 2;
    circle.top = top;
    circle.width = SeedCircle;
    circle.height = SeedCircle;
    page_.add(std::move(circle));

    PageFont font;
    font.family = QStringLiteral("MS Serif");
    font.pointSize = 8;
    PageItem number = PageItem::TextAt(ItemKeys::SeedNumber + suffix, x + lineWidth_, top,
                                       QString::number(line.Numero), font);
    number.width = SeedBoxWidth;
    number.alignment = Qt::AlignHCenter | Qt::AlignTop;
    page_.add(std::move(number));
}

void LineMarks::addIncomingQualifier(const BracketLine& line, const QString& suffix, int x, int y) {
    const QString text =
        line.Numero != 0 ? QStringLiteral("q%1").arg(line.Numero) : QStringLiteral("q");
    PageItem mark = PageItem::TextAt(ItemKeys::IncomingQualifier + suffix, x + 3, y - 5, text,
                                     fonts_.font(FontSettings::NumQualifie));
    mark.background = BracketColors::Page;
    page_.add(std::move(mark));
}

void LineMarks::addOutgoingQualifier(const BracketLine& line, const QString& suffix, int x, int y) {
    PageItem mark = PageItem::TextAt(ItemKeys::OutgoingQualifier + suffix, x + lineWidth_ + 2, y,
                                     QStringLiteral("Q%1").arg(line.Numero),
                                     fonts_.font(FontSettings::VainQualifie));
    mark.background = BracketColors::Page;
    page_.add(std::move(mark));
}
