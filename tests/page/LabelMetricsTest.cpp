#include "page/FontSubstitutions.h"
#include "page/LabelMetrics.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

PageItem label(const QString& text, int width = 0, int height = 0) {
    PageItem item;
    item.left = 30;
    item.top = 40;
    item.width = width;
    item.height = height;
    item.text = text;
    return item;
}

}  // namespace

TEST(LabelMetrics, PointsBecomePixelsAt96Dpi) {
    EXPECT_EQ(LabelMetrics::pixelSize(8), 11);
    EXPECT_EQ(LabelMetrics::pixelSize(10), 13);
    EXPECT_EQ(LabelMetrics::pixelSize(7), 9);
    EXPECT_EQ(LabelMetrics::pixelSize(5), 7);
    EXPECT_EQ(LabelMetrics::pixelSize(0), 1);

    PageFont font;
    font.family = QStringLiteral("Comic Sans MS");
    font.pointSize = 10;
    font.bold = true;
    const QFont qfont = LabelMetrics::font(font);
    EXPECT_EQ(qfont.pixelSize(), 13);
    EXPECT_TRUE(qfont.bold());
    EXPECT_FALSE(qfont.italic());
}

TEST(LabelMetrics, AutoSizedLabelsFitTheirText) {
    const PageItem item = label(QStringLiteral("Solution 3 sur 17 traitée(s)"));
    const QFontMetrics metrics(LabelMetrics::font(item.font));
    const QRect box = LabelMetrics::box(item);
    EXPECT_EQ(box.topLeft(), QPoint(30, 40));
    EXPECT_EQ(box.width(), metrics.horizontalAdvance(item.text));
    EXPECT_EQ(box.height(), metrics.height());

    // A longer text gives a wider box; a second line doubles the height, no wider.
    EXPECT_GT(LabelMetrics::box(label(item.text + QStringLiteral("!!"))).width(), box.width());
    const QRect twoLines = LabelMetrics::box(label(QStringLiteral("15/1\n15/2")));
    EXPECT_EQ(twoLines.height(), metrics.height() + metrics.lineSpacing());

    // An empty text keeps the height of its font, and the width of a space.
    const QRect empty = LabelMetrics::box(label(QString()));
    EXPECT_EQ(empty.height(), metrics.height());
    EXPECT_EQ(empty.width(), metrics.horizontalAdvance(QLatin1Char(' ')));
}

TEST(LabelMetrics, OnlyTheZeroSideIsFitted) {
    const QString text = QStringLiteral("Tableau final");
    const QFontMetrics metrics(LabelMetrics::font(PageFont()));
    EXPECT_EQ(LabelMetrics::box(label(text, 50, 0)).size(), QSize(50, metrics.height()));
    EXPECT_EQ(LabelMetrics::box(label(text, 0, 16)).size(),
              QSize(metrics.horizontalAdvance(text), 16));
    EXPECT_EQ(LabelMetrics::box(label(text, 50, 16)).size(), QSize(50, 16));

    PageItem bar = label(text);
    bar.kind = PageItem::Kind::Bar;
    EXPECT_EQ(LabelMetrics::box(bar), QRect(30, 40, 0, 0));
}

TEST(FontSubstitutions, WindowsFontsDrawWithMetricCompatibleFreeFonts) {
    FontSubstitutions::Install();
    FontSubstitutions::Install();
    for (const auto& substitution : FontSubstitutions::List()) {
        const QStringList substitutes = QFont::substitutes(substitution.family);
        ASSERT_EQ(substitutes.size(), 1) << substitution.family.toStdString();
        EXPECT_EQ(substitutes.first().compare(substitution.substitute, Qt::CaseInsensitive), 0);
    }
    const auto familyDrawnFor = [](const char* family) {
        PageFont font;
        font.family = QString::fromLatin1(family);
        return QFontInfo(LabelMetrics::font(font)).family();
    };
    EXPECT_EQ(familyDrawnFor("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(familyDrawnFor("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(familyDrawnFor("MS Serif"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(familyDrawnFor("Times New Roman"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(familyDrawnFor("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
