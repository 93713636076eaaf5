#include "page/LabelMetrics.h"
#include "page/Page.h"
#include "page/PagePainter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Navy(0, 0, 128);

PageItem shape(PageItem::Kind kind, const char* name, QRect box, QColor pen = Red) {
    PageItem item;
    item.name = QString::fromLatin1(name);
    item.kind = kind;
    item.left = box.left();
    item.top = box.top();
    item.width = box.width();
    item.height = box.height();
    item.penColor = pen;
    return item;
}

// Whether any pixel of the rectangle differs from white.
bool inked(const QImage& image, QRect area) {
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != White) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST(PagePainter, BarsAreFilledWithThePenColourAndOutlinesStayInTheirBox) {
    Page page;
    page.add(shape(PageItem::Kind::Bar, "bar", QRect(10, 10, 30, 2)));
    page.add(shape(PageItem::Kind::Rectangle, "rect", QRect(60, 10, 20, 20), Navy));
    page.add(shape(PageItem::Kind::Circle, "circle", QRect(100, 10, 15, 15)));
    const QImage image = PagePainter::image(page);
    ASSERT_EQ(image.size(), QSize(115, 30));

    EXPECT_EQ(image.pixelColor(10, 10), Red);
    EXPECT_EQ(image.pixelColor(39, 11), Red);
    EXPECT_EQ(image.pixelColor(40, 11), White);
    EXPECT_EQ(image.pixelColor(10, 12), White);

    EXPECT_EQ(image.pixelColor(60, 10), Navy);
    EXPECT_EQ(image.pixelColor(79, 29), Navy);
    EXPECT_EQ(image.pixelColor(70, 20), White);  // an outline is not filled
    EXPECT_FALSE(inked(image, QRect(81, 0, 18, 30)));

    EXPECT_EQ(image.pixelColor(107, 17), White);
    EXPECT_TRUE(inked(image, QRect(100, 10, 15, 15)));
}

TEST(PagePainter, LabelsDrawTheirTextInsideTheirBoxOnly) {
    Page page;
    PageItem clipped;
    clipped.name = QStringLiteral("clipped");
    clipped.left = 5;
    clipped.top = 5;
    clipped.width = 12;
    clipped.height = 16;
    clipped.text = QStringLiteral("Qualifiant   4 et bien plus");
    page.add(clipped);
    PageItem filled;
    filled.name = QStringLiteral("filled");
    filled.left = 5;
    filled.top = 40;
    filled.text = QStringLiteral("Q");
    filled.background = Navy;
    page.add(filled);
    PageItem transparent = filled;
    transparent.name = QStringLiteral("transparent");
    transparent.top = 70;
    transparent.background = QColor();
    page.add(transparent);
    const QImage image = PagePainter::image(page, 1.0);

    EXPECT_TRUE(inked(image, QRect(5, 5, 12, 16)));
    EXPECT_FALSE(inked(image, QRect(17, 0, 200, 30)));
    const QRect box = LabelMetrics::box(*page.find(QStringLiteral("filled")));
    EXPECT_EQ(image.pixelColor(box.topLeft()), Navy);
    EXPECT_EQ(image.pixelColor(box.bottomRight()), Navy);
    EXPECT_EQ(image.pixelColor(box.left(), box.top() + 30), White);  // "transparent"'s corner
}

TEST(PagePainter, HiddenItemsNeitherPaintNorWidenThePage) {
    Page page;
    page.add(shape(PageItem::Kind::Bar, "shown", QRect(0, 0, 10, 10)));
    PageItem hidden = shape(PageItem::Kind::Bar, "hidden", QRect(20, 0, 10, 10));
    hidden.visible = false;
    page.add(hidden);
    PageItem label;
    label.name = QStringLiteral("auto");
    label.left = 0;
    label.top = 50;
    label.text = QStringLiteral("Joueurs 1/4 finale");
    page.add(label);
    const QRect fitted = LabelMetrics::box(label);
    EXPECT_EQ(PagePainter::extent(page), QSize(fitted.right() + 1, fitted.bottom() + 1));
    EXPECT_FALSE(inked(PagePainter::image(page), QRect(20, 0, 10, 10)));

    Page empty;
    EXPECT_EQ(PagePainter::extent(empty), QSize(0, 0));
    EXPECT_EQ(PagePainter::image(empty).size(), QSize(1, 1));
}

TEST(PagePainter, DevicesOfHigherResolutionGetTheSameInchesAndZoomScales) {
    Page page;
    page.add(shape(PageItem::Kind::Bar, "bar", QRect(10, 20, 30, 2)));

    // 192 dpi: a page pixel (1/96 inch) covers two device pixels.
    QImage sharp(100, 100, QImage::Format_ARGB32_Premultiplied);
    sharp.setDotsPerMeterX(qRound(192 / 0.0254));
    sharp.setDotsPerMeterY(qRound(192 / 0.0254));
    sharp.fill(White);
    PagePainter::render(page, sharp);
    EXPECT_EQ(sharp.pixelColor(20, 40), Red);
    EXPECT_EQ(sharp.pixelColor(79, 43), Red);
    EXPECT_EQ(sharp.pixelColor(80, 43), White);
    EXPECT_EQ(sharp.pixelColor(19, 40), White);

    const QImage zoomed = PagePainter::image(page, 1.5);
    EXPECT_EQ(zoomed.size(), QSize(60, 33));
    EXPECT_EQ(zoomed.pixelColor(15, 30), Red);
    EXPECT_EQ(zoomed.pixelColor(14, 30), White);
}

TEST(PagePainter, PaintsOnAPdfWriter) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    Page page;
    PageItem label;
    label.name = QStringLiteral("Label1Solution");
    label.text = QStringLiteral("Solution 1 sur 1 traitée(s)");
    page.add(label);
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        PagePainter::render(page, pdf);
    }
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
}

TEST(PagePainter, AFramedLabelKeepsItsTextInsideItsFrame) {
    Page page;
    PageItem notes;
    notes.name = QStringLiteral("notes");
    notes.left = 10;
    notes.top = 10;
    notes.width = 60;
    notes.height = 30;
    notes.text = QStringLiteral("E = 4");
    notes.frameColor = Navy;
    notes.textColor = Red;
    page.add(notes);
    const QImage image = PagePainter::image(page);
    EXPECT_EQ(image.pixelColor(10, 10), Navy);
    EXPECT_EQ(image.pixelColor(69, 39), Navy);
    EXPECT_EQ(image.pixelColor(40, 10), Navy);
    // The text starts 5 pixels in from the frame and 3 below it.
    EXPECT_FALSE(inked(image, QRect(11, 11, 4, 28)));
    EXPECT_FALSE(inked(image, QRect(11, 11, 58, 2)));
    EXPECT_TRUE(inked(image, QRect(15, 13, 40, 20)));
}

// A one-pixel segment shown smaller than a device pixel, or one whose rounded edges met
// when the page was zoomed out, still leaves a line one device pixel wide.
TEST(PagePainter, ThinBarsStayVisibleAtEveryScale) {
    Page page;
    page.add(shape(PageItem::Kind::Bar, "across", QRect(10, 41, 30, 1)));
    page.add(shape(PageItem::Kind::Bar, "down", QRect(60, 10, 1, 30)));
    page.add(shape(PageItem::Kind::Bar, "flat", QRect(10, 62, 30, 0)));
    page.add(shape(PageItem::Kind::Bar, "upright", QRect(80, 10, 0, 30)));
    for (const qreal zoom : {1.0, 0.64, 0.41, 0.2}) {
        const QImage image = PagePainter::image(page, zoom);
        const auto scaled = [zoom](int x, int y, int width, int height) {
            return QRectF(x * zoom, y * zoom, width * zoom, height * zoom)
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1);
        };
        EXPECT_TRUE(inked(image, scaled(10, 41, 30, 1))) << zoom;
        EXPECT_TRUE(inked(image, scaled(60, 10, 1, 30))) << zoom;
        EXPECT_TRUE(inked(image, scaled(10, 62, 30, 0))) << zoom;
        EXPECT_TRUE(inked(image, scaled(80, 10, 0, 30))) << zoom;
    }
    // At full size a one-pixel bar covers its own pixels only.
    const QImage full = PagePainter::image(page);
    EXPECT_EQ(full.pixelColor(10, 41), Red);
    EXPECT_EQ(full.pixelColor(10, 40), White);
    EXPECT_EQ(full.pixelColor(10, 42), White);
    // A bar of two pixels on a device of half the size is filled, not drawn as a line.
    Page thick;
    thick.add(shape(PageItem::Kind::Bar, "thick", QRect(0, 0, 20, 4)));
    const QImage half = PagePainter::image(thick, 0.5);
    EXPECT_EQ(half.pixelColor(5, 1), Red);
}

// A transparent label keeps its colour for later but paints only its text.
TEST(PagePainter, ATransparentLabelPaintsNoBackground) {
    Page page;
    PageItem label = shape(PageItem::Kind::Label, "label", QRect(10, 10, 30, 16));
    label.background = Red;
    label.transparent = true;
    page.add(label);
    EXPECT_FALSE(inked(PagePainter::image(page), QRect(10, 10, 30, 16)));
    page.change(QStringLiteral("label"), [](PageItem& item) { item.transparent = false; });
    EXPECT_EQ(PagePainter::image(page).pixelColor(12, 12), Red);
}
