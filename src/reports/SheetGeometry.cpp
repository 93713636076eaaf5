#include "SheetGeometry.h"

#include "core/Rounding.h"

#include <optional>

namespace {

// One row of the geometry table; an absent figure keeps the starting value.
struct Row {
    std::optional<int> top, left, lineHeight, nameFontSize;
    int linePitch, lineWidth, columnPitch;
    std::optional<double> fontScale;
};

std::optional<Row> rowFor(int F, int perSheet, bool landscape) {
    const auto pick = [&](Row portrait, Row wide) { return landscape ? wide : portrait; };
    if (F == 2 || F == 4) {
        return pick({200, 80, {}, {}, 60, 150, 170, {}}, {200, 100, {}, {}, 100, 200, 220, {}});
    }
    if (F == 8) {
        return pick({200, 50, {}, {}, 60, 150, 170, {}}, {10, 90, {}, {}, 90, 200, 220, {}});
    }
    if (F == 16) {
        return pick({60, {}, {}, {}, 50, 130, 150, {}}, {0, {}, {}, {}, 45, 180, 190, {}});
    }
    if (F == 32) {
        return pick({{}, {}, {}, {}, 32, 120, 125, {}}, {-1, {}, {}, {}, 22, 170, 180, {}});
    }
    if (F < 64) {
        return std::nullopt;
    }
    if (perSheet == 32) {
        return pick({{}, {}, 18, 9, 32, 120, 125, {}}, {-1, {}, 18, 9, 22, 170, 180, {}});
    }
    if (perSheet == 64 || F == 64) {
        return pick({{}, {}, 14, 8, 16, 100, 108, {}}, {-2, {}, 11, 7, 11, 145, 155, {}});
    }
    if (perSheet == 128) {
        return pick({{}, {}, 14, 9, 8, 90, 92, 0.8}, {-2, {}, 5, 5, 5, 125, 130, {}});
    }
    if (perSheet == 256) {
        return pick({{}, {}, 14, 8, 4, 70, 72, 0.7}, {-2, {}, 5, 4, 3, 90, 92, {}});
    }
    return std::nullopt;
}

int scaled(double value) {
    return Rounding::HalfEven(value);
}

}  // namespace

SheetGeometry SheetGeometry::For(int F, int perSheet, bool landscape, double paperScale) {
    SheetGeometry g;
    if (const std::optional<Row> row = rowFor(F, perSheet, landscape)) {
        g.Top = row->top.value_or(g.Top);
        g.Left = row->left.value_or(g.Left);
        g.LineHeight = row->lineHeight.value_or(g.LineHeight);
        g.NameFontSize = row->nameFontSize.value_or(g.NameFontSize);
        g.LinePitch = row->linePitch;
        g.LineWidth = row->lineWidth;
        g.ColumnPitch = row->columnPitch;
        g.FontScale = row->fontScale.value_or(g.FontScale);
    }
    g.NameFontSize = scaled(g.NameFontSize * paperScale * g.FontScale);
    g.LineHeight = scaled(g.LineHeight * paperScale * g.FontScale);
    g.LinePitch = scaled(g.LinePitch * paperScale);
    g.LineWidth = scaled(g.LineWidth * paperScale * 0.7);
    g.ColumnPitch = scaled(g.ColumnPitch * paperScale * 0.7);
    g.Left = scaled(g.Left * paperScale);
    return g;
}
