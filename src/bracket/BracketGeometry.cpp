#include "BracketGeometry.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cmath>

BracketGeometry BracketGeometry::FromLineCount(int lineCount) {
    // a is the number of entries, a single-precision real ((lines + 1) / 2); a table
    // with fewer than one entry counts as one so that the ratio stays finite.
    const float entries = std::max(1.0f, static_cast<float>(lineCount + 1) / 2.0f);
    const float r = entries >= 64.0f ? 1.0f : 64.0f / entries;
    BracketGeometry geometry;
    geometry.VerticalUnit = Rounding::HalfEven(10.0f * r);
    geometry.LineWidth = Rounding::HalfEven(50.0f * r / std::trunc(r));
    geometry.ColumnStep = geometry.LineWidth;
    return geometry;
}

BracketGeometry BracketGeometry::FromPercent(int percent) {
    const float p = static_cast<float>(percent) / 100.0f;
    BracketGeometry geometry;
    geometry.VerticalUnit = Rounding::HalfEven(10.0f * p);
    geometry.LineWidth = Rounding::HalfEven(50.0f * p);
    geometry.ColumnStep = geometry.LineWidth;
    return geometry;
}
