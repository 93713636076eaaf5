#include "TDlgImprimeTableauSquelette.h"

#include "DrawPrintFlow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

// A radio group of two choices, the first one checked.
QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title, const QString& first,
                      const QString& second, QRadioButton*& one, QRadioButton*& two) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 4);
    one = new QRadioButton(first, group);
    two = new QRadioButton(second, group);
    one->setChecked(true);
    layout->addWidget(one);
    layout->addWidget(two);
    return group;
}

}  // namespace

TDlgImprimeTableauSquelette::TDlgImprimeTableauSquelette(int dimension, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DlgImprimeTableauSquelette"));
    setWindowTitle(QStringLiteral("Edition de données"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                   ~Qt::WindowContextHelpButtonHint);
    // The controls' texts fit the dialog's 257 pixels in a font of 7.5 points.
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);

    CheckBox1SansCadre = checkBox(this, "CheckBox1SansCadre",
                                  QStringLiteral("Sans encadrement nom du joueur"), true);
    CheckBox1AvecBranchesVides = checkBox(this, "CheckBox1AvecBranchesVides",
                                          QStringLiteral("Tableau avec les branches vides"), false);
    CheckBox1AvecBranchesFinTab = checkBox(this, "CheckBox1AvecBranchesFinTab",
                                           QStringLiteral("Avec branches fin de tableau"), false);
    CheckBox1AvecBranchesFinTab->setEnabled(DrawPrintFlow::EndBranchesEnabled(dimension));

    GroupBox1Decoupage = new QGroupBox(QStringLiteral("Découpage en plusieurs feuilles"), this);
    GroupBox1Decoupage->setObjectName(QStringLiteral("GroupBox1Decoupage"));
    ComboBox1TabMaxiFeuille = new QComboBox(GroupBox1Decoupage);
    ComboBox1TabMaxiFeuille->setObjectName(QStringLiteral("ComboBox1TabMaxiFeuille"));
    ComboBox1TabMaxiFeuille->addItems({QStringLiteral("Tableau de 32 maximum par feuille"),
                                       QStringLiteral("Tableau de 64 maximum par feuille"),
                                       QStringLiteral("Tableau de 128 maximum par feuille"),
                                       QStringLiteral("Tableau de 256 maximum par feuille")});
    ComboBox1TabMaxiFeuille->setToolTip(
        QStringLiteral("Dimension maximum du tableau imprimé sur la feuille"));
    ComboBox1TabMaxiFeuille->setCurrentIndex(DrawPrintFlow::DefaultListItem(dimension));
    CheckBox1Titre = checkBox(GroupBox1Decoupage, "CheckBox1Titre",
                              QStringLiteral("Titre sur la première feuille"), false);
    CheckBox1Titre->setToolTip(
        QStringLiteral("Dans le cas d'édition de tableaux sur plusieurs feuille, supprime le "
                       "titre à partir de la feuille 2"));
    auto* cut = new QVBoxLayout(GroupBox1Decoupage);
    cut->setContentsMargins(6, 4, 6, 4);
    cut->addWidget(ComboBox1TabMaxiFeuille);
    cut->addWidget(CheckBox1Titre);

    CheckBoxUneFeuille =
        checkBox(this, "CheckBoxUneFeuille",
                 QStringLiteral("Edition feuille à feuille pour enregistrement"), false);
    QGroupBox* edition = radioGroup(this, "RadioGroup1Edition", QStringLiteral("Edition"),
                                    QStringLiteral("Prévisualisation"),
                                    QStringLiteral("Impression"), previewButton_, printButton_);
    QGroupBox* paper = radioGroup(this, "RadioGroup1FormatPapier", QStringLiteral("Format papier"),
                                  QStringLiteral("Portrait"), QStringLiteral("Paysage"),
                                  portraitButton_, landscapeButton_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));

    auto* radios = new QHBoxLayout;
    radios->addWidget(edition);
    radios->addWidget(paper);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 6, 3, 6);
    layout->setSpacing(4);
    layout->addWidget(CheckBox1SansCadre);
    layout->addWidget(CheckBox1AvecBranchesVides);
    layout->addWidget(CheckBox1AvecBranchesFinTab);
    layout->addWidget(GroupBox1Decoupage);
    layout->addWidget(CheckBoxUneFeuille);
    layout->addLayout(radios);
    layout->addWidget(buttons);
    setFixedSize(257, 304);

    connect(printButton_, &QRadioButton::toggled, this,
            &TDlgImprimeTableauSquelette::RadioGroup1EditionClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TDlgImprimeTableauSquelette::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GroupBox1Decoupage->setEnabled(true);
    ComboBox1TabMaxiFeuille->setEnabled(true);
    CheckBox1Titre->setEnabled(true);
}

void TDlgImprimeTableauSquelette::RadioGroup1EditionClick() {
    // A print job holds every sheet: the sheet-by-sheet box only serves the preview.
    if (printButton_->isChecked()) {
        CheckBoxUneFeuille->setChecked(false);
        CheckBoxUneFeuille->setEnabled(false);
    } else {
        CheckBoxUneFeuille->setEnabled(true);
    }
}

DrawPrintOptions TDlgImprimeTableauSquelette::options() const {
    DrawPrintOptions options;
    options.PerSheet = DrawPrintFlow::PerSheetOfItem(ComboBox1TabMaxiFeuille->currentIndex());
    options.SansCadre = CheckBox1SansCadre->isChecked();
    options.AvecBranchesVides = CheckBox1AvecBranchesVides->isChecked();
    options.AvecBranchesFinTab =
        CheckBox1AvecBranchesFinTab->isEnabled() && CheckBox1AvecBranchesFinTab->isChecked();
    options.TitrePremiereFeuille = CheckBox1Titre->isChecked();
    options.UneFeuille = CheckBoxUneFeuille->isChecked();
    options.Impression = printButton_->isChecked();
    options.Paysage = landscapeButton_->isChecked();
    return options;
}
