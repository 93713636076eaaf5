#pragma once

#include "LineStartWizardLogic.h"

#include "WizardControls.h"
#include "core/Wizard.h"

#include <QDialog>

class BusyCursor;
class HostInterface;
class Prompter;
class QCheckBox;
class QLabel;
class QPushButton;
class EnterGrid;
class StaircaseState;
class WindowFactory;

// The line-start wizard: the players of each ranking in a grid, the figures of the draw
// (dimension, byes, players of round 1), and "&Suivant", which prepares the table, builds
// the skeleton when asked, and opens the bracket view; a draw accepted there is copied
// into the host's draw table. Everything it decides is in LineStartWizardLogic.
class TOrvanelDepartLigne : public QDialog, public Wizard {
    Q_OBJECT

public:
    static QString Caption() { return QStringLiteral("Orvanel à départ en ligne"); }
    static QString HelpText();

    // Creating the wizard clears the ranking rows of the state. The bracket view comes
    // from the window factory.
    TOrvanelDepartLigne(const HostInterface& host, StaircaseState& state, Prompter& prompter,
                        BusyCursor& cursor, WindowFactory& windows, QWidget* parent = nullptr);

    void setOutgoingEdited(bool edited) override { logic_.setOutgoingEdited(edited); }
    void Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) override;
    void showModal() override { exec(); }

    const LineStartWizardLogic& logic() const { return logic_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QWidget* createGrid();
    QWidget* createInformations();
    QWidget* createButtons();
    void refresh();
    void SuivantBtnClick();

    Prompter& prompter_;
    WindowFactory& windows_;
    LineStartWizardLogic logic_;

    EnterGrid* StringGrid1Effectif = nullptr;
    WizardControls::Informations Informations;
    QCheckBox* CheckBox1AssistantConstructionTab = nullptr;
    QPushButton* PrecedentBtn = nullptr;
    QPushButton* SuivantBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
