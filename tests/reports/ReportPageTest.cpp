#include "ReportTestSupport.h"

#include "page/Page.h"
#include "reports/ReportRenderer.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class ReportPageTest : public ReportTest {
protected:
    ReportPageTest() : page_(QPageSize::A4, QPageLayout::Portrait) {
        page_.setMargins(QMarginsF(6.0, 10.0, 10.0, 10.0));
        page_.addBand(QStringLiteral("T"), ReportPage::BandKind::Title, 307);
        page_.addBand(QStringLiteral("D"), ReportPage::BandKind::Detail, 8);
        page_.addBand(QStringLiteral("F"), ReportPage::BandKind::PageFooter, 18);
    }
    ReportPage page_;
};

TEST_F(ReportPageTest, PlacesBandsOnThePaper) {
    EXPECT_EQ(page_.paperSize(), QSize(794, 1123));
    EXPECT_EQ(page_.bandWidth(), 794 - 23 - 38);
    EXPECT_EQ(page_.bandOrigin(*page_.band(QStringLiteral("T"))), QPoint(23, 38));
    EXPECT_EQ(page_.bandOrigin(*page_.band(QStringLiteral("D"))), QPoint(23, 38 + 307));
    EXPECT_EQ(page_.bandOrigin(*page_.band(QStringLiteral("F"))), QPoint(23, 1123 - 38 - 18));
    page_.setOrientation(QPageLayout::Landscape);
    EXPECT_EQ(page_.paperSize(), QSize(1123, 794));
}

TEST_F(ReportPageTest, PaintsLinesAcrossTheMiddleAndDatesWhenPrinted) {
    PageItem box;
    box.left = 10;
    box.top = 100;
    box.width = 70;
    box.height = 14;
    page_.add(QStringLiteral("T"), ReportElement::Kind::HorizontalLine, box);
    page_.add(QStringLiteral("T"), ReportElement::Kind::VerticalLine, box);
    PageFont arial;
    arial.pointSize = 8;
    page_.addDateTime(QStringLiteral("F"),
                      PageItem::TextAt(QStringLiteral("date"), 0, 4, QStringLiteral("Le "), arial));
    Page paper;
    page_.fill(paper, QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0)));
    const QList<const PageItem*> items = paper.items();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->box(), QRect(23 + 10, 38 + 107, 70, 0));
    EXPECT_EQ(items[1]->box(), QRect(23 + 45, 38 + 100, 0, 14));
    EXPECT_EQ(items[2]->text, QStringLiteral("Le 07/03/2026 09:05:00"));
    EXPECT_EQ(items[2]->top, 1123 - 38 - 18 + 4);
    // The date is right-aligned to the band's edge whatever its digits.
    EXPECT_EQ(items[2]->left + items[2]->width, 23 + page_.bandWidth());
    EXPECT_EQ(page_.element(QStringLiteral("date"))->item.text, QStringLiteral("Le "));
}

TEST_F(ReportPageTest, WrappedLabelsShowAllTheirLinesOnPaper) {
    PageItem label = PageItem::TextAt(QStringLiteral("w"), 0, 80,
                                      QStringLiteral("(Fin du tableau de 1024 entrées) Page 17"),
                                      PageFont{QStringLiteral("Arial"), 10, true, true, false});
    label.wordWrap = true;
    label.width = 198;
    label.height = 16;
    page_.addBandAligned(QStringLiteral("T"), label, Qt::AlignRight);
    Page paper;
    page_.fill(paper, QDateTime::currentDateTime());
    EXPECT_EQ(page_.element(QStringLiteral("w"))->item.height, 16);
    EXPECT_GT(paper.items().front()->height, 16);
}

TEST_F(ReportPageTest, BandAlignedLabelsFollowTheirText) {
    PageFont font;
    page_.addBandAligned(QStringLiteral("T"),
                         PageItem::TextAt(QStringLiteral("n"), 0, 0, QString(), font),
                         Qt::AlignHCenter);
    ASSERT_TRUE(page_.setText(QStringLiteral("n"), QStringLiteral("(12)")));
    const PageItem& label = page_.element(QStringLiteral("n"))->item;
    EXPECT_GT(label.width, 10);
    EXPECT_EQ(label.left, (page_.bandWidth() - label.width) / 2);
    EXPECT_FALSE(page_.setText(QStringLiteral("none"), QStringLiteral("x")));
}

TEST_F(ReportPageTest, ExportsOneFilePerPage) {
    QTemporaryDir folder;
    ReportPage second(QPageSize::A4, QPageLayout::Landscape);
    const ReportRenderer::Pages pages{&page_, &second};
    QStringList written;
    EXPECT_EQ(ReportRenderer::WritePng(pages, folder.filePath(QStringLiteral("png")), 48,
                                       QDateTime::currentDateTime(), &written),
              QString());
    EXPECT_EQ(written.size(), 2);
    EXPECT_EQ(QImage(written[1]).size(), QSize(562, 397));
    const QString pdf = folder.filePath(QStringLiteral("out/r.pdf"));
    EXPECT_EQ(ReportRenderer::WritePdf(pages, pdf, QDateTime::currentDateTime()), QString());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    // A folder that cannot be made is told, not ignored.
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(ReportRenderer::WriteSvg(pages, folder.filePath(QStringLiteral("file/svg")),
                                          QDateTime::currentDateTime())
                     .isEmpty());
    EXPECT_EQ(ReportRenderer::PageFileName(3, 33, QStringLiteral("svg")),
              QStringLiteral("page-03.svg"));
}

}  // namespace
