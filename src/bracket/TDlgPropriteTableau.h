#pragma once

#include "TableProperties.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Propriétés du tableau": the display settings of the bracket view, shown over the
// values TableProperties computes and read back from its controls on OK.
class TDlgPropriteTableau : public QDialog {
    Q_OBJECT

public:
    explicit TDlgPropriteTableau(const TableProperties& shown, QWidget* parent = nullptr);

    // The values of the controls.
    TableProperties values() const;

    // Shows the dialog modally; the values when it closed with OK, none with the cancel
    // button or the close box.
    static std::optional<TableProperties> Ask(const TableProperties& shown,
                                              QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TableProperties shown_;
    QCheckBox* CheckBox1SansCadre = nullptr;
    QCheckBox* CheckBox1AvecBranchesVides = nullptr;
    QCheckBox* CheckBox1AvecBranchesFinTab = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1EntreeTab = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* SpinEditCaractere = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
