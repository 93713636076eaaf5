#pragma once

#include "DrawPrintOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

// The print options of the draw: "Edition de données". It fills a DrawPrintOptions; the
// print flow does the rest.
class TDlgImprimeTableauSquelette : public QDialog {
    Q_OBJECT

public:
    // `dimension` chooses the list's first item and whether the end branches can be asked.
    explicit TDlgImprimeTableauSquelette(int dimension, QWidget* parent = nullptr);

    DrawPrintOptions options() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RadioGroup1EditionClick();

    QCheckBox* CheckBox1SansCadre = nullptr;
    QCheckBox* CheckBox1AvecBranchesVides = nullptr;
    QCheckBox* CheckBox1AvecBranchesFinTab = nullptr;
    QGroupBox* GroupBox1Decoupage = nullptr;
    QComboBox* ComboBox1TabMaxiFeuille = nullptr;
    QCheckBox* CheckBox1Titre = nullptr;
    QCheckBox* CheckBoxUneFeuille = nullptr;
    QRadioButton* previewButton_ = nullptr;
    QRadioButton* printButton_ = nullptr;
    QRadioButton* portraitButton_ = nullptr;
    QRadioButton* landscapeButton_ = nullptr;
};
