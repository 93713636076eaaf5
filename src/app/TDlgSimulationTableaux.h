#pragma once

#include "SimulationTableaux.h"

#include <QDialog>

#include <functional>

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class EnterGrid;

// The main window: the simulation input in its controls, the file commands and the
// way on to the wizards. Everything it decides is in SimulationTableaux; the window
// forwards each event there and shows the result.
class TDlgSimulationTableaux : public QDialog {
    Q_OBJECT

public:
    TDlgSimulationTableaux(HostInterface& host, StaircaseState& state, Prompter& prompter,
                           WizardFactory& factory, QWidget* parent = nullptr);

    const SimulationTableaux& logic() const { return logic_; }
    QString versionLabelText() const;
    // "Vérifie mise à jour" opens the update window through this; it returns true when an
    // update program was started, and the program then ends. Without it the item stays
    // disabled.
    void setUpdateCheck(std::function<bool(QWidget*)> check);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createControls();
    QWidget* createTopRow();
    QWidget* createFigures();
    void createMenu();
    void connectControls();
    // Shows the logic's state in the controls, without echoing it back.
    void refresh();
    void refreshGrid();
    void editFirstCount();
    // Runs a command of the logic, then shows its result.
    void run(void (SimulationTableaux::*command)());

    SimulationTableaux logic_;

    QAction* OuvrirFichierBtn = nullptr;
    QAction* EnregistrerBtn = nullptr;
    QAction* EnregistrerSousBtn = nullptr;
    QAction* FermerBtn = nullptr;
    QPushButton* Button1InitZero = nullptr;
    QComboBox* ComboBox1ClassDebut = nullptr;
    QComboBox* ComboBox1ClassFin = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* Image1 = nullptr;
    EnterGrid* StringGrid1 = nullptr;
    QLineEdit* Edit1NBQS = nullptr;
    QLineEdit* Edit1NBQE = nullptr;
    QLineEdit* Edit1NBTS = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox1EntreeTab = nullptr;
    QLabel* Label5 = nullptr;
    QButtonGroup* RadioGroup1TypeTableau = nullptr;
    QPushButton* SuivantBtn = nullptr;
    QPushButton* QuitterBtn = nullptr;
    QLabel* Label1FileName = nullptr;
    QMenu* PopupMenu1Principal = nullptr;
    QAction* Verifiemiseajour1 = nullptr;
    std::function<bool(QWidget*)> updateCheck_;
};
