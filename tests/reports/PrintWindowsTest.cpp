#include "ReportTestSupport.h"

#include "common/FindControl.h"
#include "core/ScriptedPrompter.h"
#include "reports/ReportPreview.h"
#include "reports/TDlgImprimeTableauSquelette.h"
#include "reports/TQR1TableauEscalier.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class PrintWindowsTest : public ReportTest {};

TEST_F(PrintWindowsTest, OptionsDialogFillsItsOptions) {
    TDlgImprimeTableauSquelette small(64);
    EXPECT_EQ(small.windowTitle(), QStringLiteral("Edition de données"));
    EXPECT_EQ(FindControl<QComboBox>(small, "ComboBox1TabMaxiFeuille")->currentIndex(), 1);
    EXPECT_EQ(small.options(), DrawPrintOptions());
    TDlgImprimeTableauSquelette large(128);
    EXPECT_EQ(large.options().PerSheet, 128);
    EXPECT_FALSE(
        FindControl<QCheckBox>(TDlgImprimeTableauSquelette(0), "CheckBox1AvecBranchesFinTab")
            ->isEnabled());

    // "Impression" unchecks and disables the sheet-by-sheet box; "Prévisualisation"
    // enables it again.
    QCheckBox* oneSheet = FindControl<QCheckBox>(large, "CheckBoxUneFeuille");
    oneSheet->setChecked(true);
    QList<QRadioButton*> radios = large.findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 4);
    radios[1]->setChecked(true);  // "Impression"
    EXPECT_FALSE(oneSheet->isChecked());
    EXPECT_FALSE(oneSheet->isEnabled());
    radios[0]->setChecked(true);
    EXPECT_TRUE(oneSheet->isEnabled());
    radios[3]->setChecked(true);  // "Paysage"
    FindControl<QCheckBox>(large, "CheckBox1Titre")->setChecked(true);
    const DrawPrintOptions options = large.options();
    EXPECT_TRUE(options.Paysage);
    EXPECT_TRUE(options.TitrePremiereFeuille);
    EXPECT_FALSE(options.Impression);
}

TEST_F(PrintWindowsTest, PreviewOpensAndClosesAndPrintsToAPdfPrinter) {
    const DrawFile draw = EmptyDraw(8);
    TQR1TableauEscalier sheet(ReportPaper(), PrintSettings(), TQR1TableauEscalier::DefaultFonts(),
                              draw);
    sheet.LayOutSheet(8, 0, 1, 1, true);
    const ReportRenderer::Pages pages{&sheet.page(), &sheet.page()};
    ScriptedPrompter prompter;
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            shown = preview->findChild<QAction*>(QStringLiteral("ExportAction")) != nullptr;
            preview->reject();
        }
    });
    ReportPreview::Preview(pages, QStringLiteral("Tableau"), prompter, nullptr);
    EXPECT_TRUE(shown);

    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("job.pdf")));
    ReportPreview::PrintOn(pages, printer);
    QFile pdf(folder.filePath(QStringLiteral("job.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
        2);
}

}  // namespace
