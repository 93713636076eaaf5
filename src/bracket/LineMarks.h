#pragma once

#include "FontSettings.h"

#include <QString>

class Page;
struct BracketLine;

// The small marks beside a bracket line: the ranking label of a placed player, the seed
// number in its circle, and the incoming and outgoing qualifier marks. Each is named by
// its prefix and the line's suffix.
class LineMarks {
public:
    LineMarks(Page& page, const FontSettings& fonts, int lineWidth)
        : page_(page), fonts_(fonts), lineWidth_(lineWidth) {}

    // The ranking beside a named entrant, its right edge 20 pixels before the line's end.
    void addRanking(const BracketLine& line, const QString& suffix, int x, int y);
    // The seed number above the odd line of a pair and below the even one.
    void addSeed(const BracketLine& line, const QString& suffix, int x, int y, bool oddLine);
    void addIncomingQualifier(const BracketLine& line, const QString& suffix, int x, int y);
    void addOutgoingQualifier(const BracketLine& line, const QString& suffix, int x, int y);

    // The text of the ranking label: the ranking; nothing on an incoming qualifier's
    // line; for a ranking typed "P" the nationality and "Pres.", for "A" the nationality
    // and "Ass " with the ranking.
    static QString RankingText(const BracketLine& line);
    // A text too wide for maxWidth loses characters in front of its ranking part, one
    // at a time, until it fits; the ranking part itself is never cut, so that what is
    // left is still a true ranking, even when it alone is wider.
    static QString Shortened(const QString& text, int rankingLength, const PageFont& font,
                             int maxWidth);

private:
    Page& page_;
    const FontSettings& fonts_;
    int lineWidth_;
};
