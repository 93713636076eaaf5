#pragma once

#include "StaggeredWizardLogic.h"
#include "WizardControls.h"
#include "core/RepeatFoldingPrompter.h"
#include "core/Wizard.h"

#include <QDialog>

class BusyCursor;
class EnterGrid;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class StaircaseState;
class WindowFactory;

// The staggered-entry wizard: the rankings and figures of the simulation, the last round
// of a final draw, the inseparable couples and the search options, then the search and
// the staircase view. The controls mirror StaggeredWizardLogic, which decides everything;
// the window shows its state, forwards each event and opens the view when asked.
class TOrvanelEchelon : public QDialog, public Wizard {
    Q_OBJECT

public:
    // The staircase view comes from the window factory.
    TOrvanelEchelon(StaircaseState& state, Prompter& prompter, BusyCursor& cursor,
                    WindowFactory& windows, QWidget* parent = nullptr);

    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) override;
    void showModal() override { exec(); }

    const StaggeredWizardLogic& logic() const { return logic_; }
    static QString HelpText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createGrid();
    QWidget* createInformations();
    QWidget* createOptions();
    QWidget* createButtons();
    void connectControls();
    // Shows the logic's controls as they are now, without echoing them back.
    void refresh();
    void SuivantBtnClick();
    void BitBtn1SaisieEscalierClick();
    void ShowSolutions();

    Prompter& prompter_;
    WindowFactory& windows_;
    // The search's messages go through it: their repeats are folded.
    RepeatFoldingPrompter folding_;
    StaggeredWizardLogic logic_;

    EnterGrid* StringGrid1Effectif = nullptr;
    WizardControls::Informations Informations;
    QSpinBox* SpinEdit1NbTout = nullptr;
    QLabel* Label1Sortant = nullptr;
    QComboBox* ComboBox1Sortant = nullptr;
    QLabel* Label2Couple = nullptr;
    QSpinBox* SpinEdit1Couple = nullptr;
    QCheckBox* CheckBox1AutreSolution = nullptr;
    QCheckBox* CheckBox1Verif = nullptr;
    QLabel* Label1Solution = nullptr;
    QLabel* Label1Iteration = nullptr;
    QPushButton* BitBtn1SaisieEscalier = nullptr;
    QPushButton* PrecedentBtn = nullptr;
    QPushButton* SuivantBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
