#include "TDlgPropriteTableau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

TDlgPropriteTableau::TDlgPropriteTableau(const TableProperties& shown, QWidget* parent)
    : QDialog(parent), shown_(shown) {
    setObjectName(QStringLiteral("TDlgPropriteTableau"));
    setWindowTitle(QStringLiteral("Propriétés du tableau"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    CheckBox1SansCadre =
        named(new QCheckBox(QStringLiteral("Sans encadrement nom du joueur"), this),
              "CheckBox1SansCadre");
    CheckBox1SansCadre->setChecked(shown.WithoutFrame);
    CheckBox1AvecBranchesVides =
        named(new QCheckBox(QStringLiteral("Tableau avec les branches vides"), this),
              "CheckBox1AvecBranchesVides");
    CheckBox1AvecBranchesVides->setChecked(shown.WithEmptyBranches);
    CheckBox1AvecBranchesFinTab =
        named(new QCheckBox(QStringLiteral("Avec branches fin de tableau"), this),
              "CheckBox1AvecBranchesFinTab");
    CheckBox1AvecBranchesFinTab->setChecked(shown.EndBranches);
    CheckBox1AvecBranchesFinTab->setEnabled(shown.EndBranchesEnabled);

    Label1 = named(new QLabel(QStringLiteral("Dimension du tableau"), this), "Label1");
    ComboBox1EntreeTab = named(new QComboBox(this), "ComboBox1EntreeTab");
    ComboBox1EntreeTab->addItems(TableProperties::DimensionItems());
    ComboBox1EntreeTab->setCurrentIndex(shown.DimensionItem());
    ComboBox1EntreeTab->setEnabled(false);
    connect(ComboBox1EntreeTab, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) {
            shown_.Dimension = text.toInt();
        }
    });

    const QString hint =
        QStringLiteral("Réduire ou agrandir l'affichage des joueurs sur les tableaux");
    Label2 = named(new QLabel(QStringLiteral("Affichage du tableau"), this), "Label2");
    SpinEditCaractere = named(new QSpinBox(this), "SpinEditCaractere");
    SpinEditCaractere->setRange(TableProperties::MinPercent, TableProperties::MaxPercent);
    SpinEditCaractere->setSingleStep(TableProperties::PercentStep);
    SpinEditCaractere->setValue(shown.Percent);
    SpinEditCaractere->setToolTip(hint);
    Label3 = named(new QLabel(QStringLiteral("%"), this), "Label3");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKBtn = named(buttons->button(QDialogButtonBox::Ok), "OKBtn");
    CancelBtn = named(buttons->button(QDialogButtonBox::Cancel), "CancelBtn");
    // The caption in French even where the standard buttons' translation is not loaded.
    CancelBtn->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(ComboBox1EntreeTab, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(SpinEditCaractere, 1, 1);
    grid->addWidget(Label3, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox1SansCadre);
    layout->addWidget(CheckBox1AvecBranchesVides);
    layout->addWidget(CheckBox1AvecBranchesFinTab);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TableProperties TDlgPropriteTableau::values() const {
    TableProperties chosen = shown_;
    chosen.WithoutFrame = CheckBox1SansCadre->isChecked();
    chosen.WithEmptyBranches = CheckBox1AvecBranchesVides->isChecked();
    chosen.EndBranches = CheckBox1AvecBranchesFinTab->isChecked();
    chosen.Percent = SpinEditCaractere->value();
    return chosen;
}

std::optional<TableProperties> TDlgPropriteTableau::Ask(const TableProperties& shown,
                                                        QWidget* parent) {
    TDlgPropriteTableau dialog(shown, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.values();
}

// Centred on the screen, not on the view.
void TDlgPropriteTableau::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shownOn = screen()) {
        move(shownOn->availableGeometry().center() - rect().center());
    }
}
