#pragma once

#include <QString>

class EnterGrid;
class RankingGrid;
struct WizardInformations;
class QGridLayout;
class QGroupBox;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

// The controls both wizards build alike: the two-row grid of rankings and counts, the
// rows of figures of their "Informations" box, their push buttons.
class WizardControls {
public:
    template <typename Control>
    static Control* named(Control* control, const char* name) {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    }

    // The group box "GroupBox1" holding the grid "StringGrid1Effectif": names above,
    // counts below, one column per ranking, every cell there and centred.
    static QGroupBox* RankingGroup(QWidget* parent, const QString& title, int columns,
                                   EnterGrid*& grid);

    // The "Informations" box: the captions and values of the draw's figures. The fifth and
    // sixth rows are captioned by each wizard.
    struct Informations {
        QLabel* Label4Dimension = nullptr;
        QLabel* Label7TetesSerie = nullptr;
        QLabel* LabelEffectif = nullptr;
        QLabel* LabelQualifieSortants = nullptr;
        QLabel* LabelQualifieEntrants = nullptr;
        QLabel* LabelDimensionTableau = nullptr;
        QLabel* LabelNBExempts = nullptr;
        QLabel* LabelNONExempts = nullptr;
        QLabel* LabelTetesSerie = nullptr;
    };
    static QGroupBox* InformationGroup(QWidget* parent, const QString& fifthCaption,
                                       const QString& sixthCaption, Informations& labels);
    // Shows the logic's figures in the box.
    static void ShowInformations(const Informations& labels, const WizardInformations& shown);
    // Shows the logic's grid, without telling the cells' changes back.
    static void ShowGrid(EnterGrid* grid, const RankingGrid& shown);

    static QPushButton* Button(QWidget* parent, const QString& caption, const char* name);
};
