#include "BracketLayout.h"

#include "BracketColors.h"
#include "BracketLine.h"
#include "ItemKeys.h"
#include "LineMarks.h"

#include "core/RankingLadder.h"
#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"
#include "page/Page.h"

#include <cmath>

namespace {

constexpr int ConnectorThickness = 1;

bool isOutgoingCode(int position) {
    return position == DrawLine::OutgoingQualifier || position == 7;
}

}  // namespace

BracketLayout::BracketLayout(Page& page, RecordTable& table, const FontSettings& fonts,
                             const Inputs& inputs)
    : page_(page), table_(table), fonts_(fonts), inputs_(inputs) {}

// With outgoing qualifiers that are not a power of two (3, 5, 6 …), only the lines that
// lead to them are drawn: q × 2^(h−1), h counting the sizes D, D/2 … 1 not below q. A
// figure larger than the draw leaves every line drawn.
int BracketLayout::ShownLines(int dimension, int qualifiersOut) {
    if (qualifiersOut < 2 || RankingLadder::Multiple2(qualifiersOut)) {
        return dimension;
    }
    int h = 0;
    for (int size = dimension; size >= 1; size /= 2) {
        if (size >= qualifiersOut) {
            ++h;
        }
    }
    return h == 0 ? dimension : qualifiersOut << (h - 1);
}

void BracketLayout::LayoutBracket(int dimension) {
    page_.change(ItemKeys::Banner, [](PageItem& banner) { banner.visible = false; });
    dimension_ = dimension;
    if (dimension <= 0) {
        return;
    }
    const BracketGeometry& geometry = inputs_.geometry;
    const int unit = geometry.VerticalUnit;
    Column column;
    column.x = BracketGeometry::Left;
    int first = 1;
    int capacity = dimension;
    int shown = ShownLines(dimension, inputs_.qualifiersOut);
    const float scale = static_cast<float>(dimension) / static_cast<float>(shown);
    carry_.assign(static_cast<std::size_t>(dimension), 0);
    qualifierSeen_ = false;
    while (capacity > 0) {
        ++column.round;
        column.capacity = capacity;
        column.spacing =
            static_cast<int>(std::trunc(static_cast<float>(dimension / capacity * unit) * scale));
        const int y0 = BracketGeometry::Top + column.spacing / 2 - unit / 2;
        // A round whose first line the table does not hold, or the lines past the
        // table's end, are drawn as empty lines under the numbers they should have.
        const bool found = table_.FindKey({first});
        for (int j = 1; j <= shown; ++j) {
            DrawLineItem(column, j, y0 + column.spacing * (j - 1), found && !table_.Eof(),
                         first + j - 1);
            if (found) {
                table_.Next();
            }
        }
        first += dimension >> (column.round - 1);
        capacity /= 2;
        shown /= 2;
        // The final of a draw of 32 or 64 stands closer to its semi-finals.
        if ((dimension == 32 || dimension == 64) && capacity == 1) {
            column.x += static_cast<int>(std::trunc(geometry.ColumnStep / 1.3));
            column.noLeftStub = true;
        } else {
            column.x += geometry.ColumnStep;
            column.noLeftStub = false;
        }
    }
}

void BracketLayout::DrawLineItem(const Column& column, int j, int y, bool present,
                                 int expectedLine) {
    BracketLine line;
    if (present) {
        line = BracketLine::Read(table_);
    } else {
        line.FicheNumero = expectedLine;
    }
    const int pair = (j + 1) / 2 - 1;
    const bool visible = visibility(line, column, j, pair);
    const QString suffix = ItemKeys::ItemSuffix(column.round, line.FicheNumero);
    const int width = inputs_.geometry.LineWidth;

    PageItem segment = PageItem::BarAt(ItemKeys::Segment + suffix, column.x - 2, y, width,
                                       column.capacity == 1 ? 2 : 1);
    segment.cursor = Qt::PointingHandCursor;
    segment.draggable = true;
    // The winner's name stands on a white line: no rule under it.
    if (column.capacity == 1 && !line.Nom.isEmpty()) {
        segment.penColor = BracketColors::Page;
    }

    PageItem name;
    name.name = ItemKeys::Name + suffix;
    name.left = column.x;
    name.top = y - 11;
    name.width = width;
    name.height = 16;
    name.alignment = Qt::AlignHCenter | Qt::AlignTop;
    name.font.family = QStringLiteral("Times New Roman");
    name.font.pointSize = BracketGeometry::NameTextSize;
    name.cursor = Qt::PointingHandCursor;
    name.draggable = true;

    if (!present) {
        if (visible) {
            page_.add(std::move(segment));
        }
        page_.add(std::move(name));
        addConnectors(column, j, y, pair, visible, suffix);
        return;
    }
    // Every name label and segment carries its line's number, whatever the names shown;
    // a named entrant's segment keeps 0, so that no line can be dropped onto it.
    name.tag = line.FicheNumero;
    segment.tag = line.FicheNumero;
    if (!inputs_.entrantNamesOnly || line.isEntrantCode()) {
        name.text = line.Nom + QLatin1Char(' ') + line.Prenom;
    }
    const bool namedEntrant = line.Position > 0 && !line.Nom.isEmpty();
    if (namedEntrant) {
        segment.tag = 0;
    }
    if (line.Position == DrawLine::Seed) {
        name.textColor = BracketColors::Blue;
        name.font.bold = true;
    } else if (line.Position == 4 || line.Position == 6 || isOutgoingCode(line.Position)) {
        name.textColor = BracketColors::Green;
    }
    if (line.Information > 0) {
        name.font.bold = true;
    }
    const bool blank = name.text.trimmed().isEmpty();
    if (visible) {
        page_.add(std::move(segment));
    }
    if (!(inputs_.settings.HideEmptyBranches && blank &&
          line.Position != DrawLine::IncomingQualifier)) {
        page_.add(std::move(name));
    }
    addConnectors(column, j, y, pair, visible, suffix);

    LineMarks marks(page_, fonts_, width);
    if (namedEntrant) {
        marks.addRanking(line, suffix, column.x, y);
    }
    if (line.Position == DrawLine::Seed) {
        marks.addSeed(line, suffix, column.x, y, j % 2 == 1);
    } else if (line.Position == DrawLine::IncomingQualifier) {
        marks.addIncomingQualifier(line, suffix, column.x, y);
    } else if (isOutgoingCode(line.Position)) {
        marks.addOutgoingQualifier(line, suffix, column.x, y);
    }
}

bool BracketLayout::visibility(const BracketLine& line, const Column& column, int j, int pair) {
    char& carried = carry_[static_cast<std::size_t>(pair)];
    if (!inputs_.settings.HideEmptyBranches && line.Position < 5 && !qualifierSeen_) {
        carried = 1;
        return true;
    }
    bool visible = carry_[static_cast<std::size_t>(j - 1)] != 0;
    if (line.hasContent()) {
        visible = true;
        carried = 1;
    } else if (column.capacity > 1) {
        if (partnerKeepsBranch(j)) {
            visible = true;
            carried = 1;
        } else {
            carried = visible ? 1 : 0;
        }
    }
    if (isOutgoingCode(line.Position)) {
        if (!decided(line)) {
            carried = 0;
        }
        qualifierSeen_ = true;
    }
    return visible;
}

// The other line of the pair keeps the branch open when it holds a name (other than a
// qualifier's or a host's line) or an entrant's code. A line with no neighbour in the
// table has no partner.
bool BracketLayout::partnerKeepsBranch(int j) {
    const int here = table_.RecNo();
    const int there = j % 2 == 1 ? here + 1 : here - 1;
    if (there < 1 || there > table_.RecordCount()) {
        return false;
    }
    table_.SetRecNo(there);
    const int position = table_.integer(DrawLine::Position);
    const bool named = !table_.text(DrawLine::Nom).isEmpty();
    table_.SetRecNo(here);
    return (named && position < 5) || (position >= 1 && position <= 3);
}

// The bracket goes on behind an outgoing qualifier once the player who qualified stands
// on the next line, or when asked to.
bool BracketLayout::decided(const BracketLine& line) {
    if (inputs_.settings.EndBranches) {
        return true;
    }
    const int here = table_.RecNo();
    bool result = false;
    if (table_.FindKey({dimension_ + (line.FicheNumero + 1) / 2})) {
        result = !table_.text(DrawLine::Nom).isEmpty() && table_.integer(DrawLine::Position) > 3;
    }
    table_.SetRecNo(here);
    return result;
}

void BracketLayout::addConnectors(const Column& column, int j, int y, int pair, bool visible,
                                  const QString& suffix) {
    if (!visible) {
        return;
    }
    const BracketGeometry& geometry = inputs_.geometry;
    const int width = geometry.LineWidth;
    const int gap = (geometry.ColumnStep - width) / 2;
    if (!column.noLeftStub) {
        addBar(ItemKeys::LeftStub + suffix, column.x - 2 - gap, y, gap, ConnectorThickness);
    }
    if (column.capacity > 1) {
        addBar(ItemKeys::RightStub + suffix, column.x - 2 + width, y, gap, ConnectorThickness);
    }
    // The join of the pair, from the odd line's height down to the even line's.
    if (j % 2 == 0 && carry_[static_cast<std::size_t>(pair)] != 0) {
        addBar(ItemKeys::Join + suffix, column.x - 2 + width + gap, y - column.spacing,
               ConnectorThickness, column.spacing + ConnectorThickness);
    }
}

// Stubs have the length of the gap between two columns, none while the columns touch.
void BracketLayout::addBar(const QString& name, int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    page_.add(PageItem::BarAt(name, left, top, width, height));
}
