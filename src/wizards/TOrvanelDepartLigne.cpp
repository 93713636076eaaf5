#include "TOrvanelDepartLigne.h"

#include "WizardControls.h"

#include "core/HostInterface.h"
#include "core/Prompter.h"
#include "drawtable/TableLocations.h"
#include "widgets/EnterGrid.h"
#include "widgets/WindowFactory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

// The program has no help file of its wizards: the wizard explains itself in a message.
QString TOrvanelDepartLigne::HelpText() {
    return QStringLiteral(
        "Tableau à départ en ligne\n\n"
        "Tous les joueurs commencent au premier tour, ou au deuxième tour lorsqu'ils sont "
        "exempts.\n"
        "La dimension du tableau est la plus petite puissance de deux (ou le nombre de "
        "qualifiés sortants multiplié par une puissance de deux) qui contient l'effectif ; "
        "les places restantes sont les exempts.\n\n"
        "Cochez « Construire le squelette du tableau » pour placer les classements, les "
        "têtes de série et les qualifiés entrants, puis cliquez sur « Suivant » pour voir "
        "le tableau.");
}

TOrvanelDepartLigne::TOrvanelDepartLigne(const HostInterface& host, StaircaseState& state,
                                         Prompter& prompter, BusyCursor& cursor,
                                         WindowFactory& windows, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      windows_(windows),
      logic_(state, prompter, cursor, TableLocations::Of(host),
             host.InstallPath(QStringLiteral("ZECLASS.TXT"))) {
    setObjectName(QStringLiteral("TOrvanelDepartLigne"));
    setWindowTitle(Caption());
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    createControls();
    refresh();
}

void TOrvanelDepartLigne::createControls() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* inside = new QVBoxLayout(panel);
    inside->addWidget(createGrid());
    auto* middle = new QHBoxLayout;
    middle->addWidget(createInformations());
    CheckBox1AssistantConstructionTab =
        new QCheckBox(QStringLiteral("Construire le squelette du tableau"), panel);
    CheckBox1AssistantConstructionTab->setObjectName(
        QStringLiteral("CheckBox1AssistantConstructionTab"));
    middle->addWidget(CheckBox1AssistantConstructionTab, 0, Qt::AlignBottom);
    middle->addStretch(1);
    inside->addLayout(middle);
    inside->addWidget(createButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    connect(CheckBox1AssistantConstructionTab, &QCheckBox::toggled, this,
            [this](bool checked) { logic_.AssistantConstructionTabToggled(checked); });
}

QWidget* TOrvanelDepartLigne::createGrid() {
    QGroupBox* group =
        WizardControls::RankingGroup(this, QStringLiteral("Effectif du tableau à départ en ligne"),
                                     RankingGrid::Columns, StringGrid1Effectif);
    connect(StringGrid1Effectif, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* cell) {
        logic_.GridCellChanged(cell->row(), cell->column() + 1, cell->text());
    });
    connect(StringGrid1Effectif, &EnterGrid::enterPressed, this, [this] {
        logic_.GridEnter();
        refresh();
    });
    return group;
}

QWidget* TOrvanelDepartLigne::createInformations() {
    return WizardControls::InformationGroup(this, QStringLiteral("Nombre d'exempts"),
                                            QStringLiteral("Nombre de non exempts"), Informations);
}

QWidget* TOrvanelDepartLigne::createButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [buttons](const QString& caption, const char* name) {
        return WizardControls::Button(buttons, caption, name);
    };
    PrecedentBtn = button(QStringLiteral("&Précedent"), "PrecedentBtn");
    SuivantBtn = button(QStringLiteral("&Suivant"), "SuivantBtn");
    SuivantBtn->setToolTip(QStringLiteral("Affichage des solutions trouvées"));
    SuivantBtn->setDefault(true);
    CancelBtn = button(QStringLiteral("Annuler"), "CancelBtn");
    HelpBtn = button(QStringLiteral("&Aide"), "HelpBtn");
    row->addStretch(1);
    for (QPushButton* each : {PrecedentBtn, SuivantBtn, CancelBtn, HelpBtn}) {
        row->addWidget(each);
    }
    connect(SuivantBtn, &QPushButton::clicked, this, &TOrvanelDepartLigne::SuivantBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { prompter_.information(HelpText()); });
    return buttons;
}

void TOrvanelDepartLigne::Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) {
    logic_.Init(qualifiersIn, qualifiersOut, seeds, dimension);
    refresh();
}

void TOrvanelDepartLigne::refresh() {
    const LineStartWizardLogic::Controls& c = logic_.controls();
    WizardControls::ShowGrid(StringGrid1Effectif, c.StringGrid1Effectif);
    WizardControls::ShowInformations(Informations, c.Informations);
    PrecedentBtn->setEnabled(c.PrecedentEnabled);
    SuivantBtn->setEnabled(c.SuivantEnabled);
    const QSignalBlocker quiet(CheckBox1AssistantConstructionTab);
    CheckBox1AssistantConstructionTab->setChecked(c.AssistantConstructionTabChecked);
}

void TOrvanelDepartLigne::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        logic_.FormShow();
        refresh();
    }
}

// "&Suivant" closes the wizard with OK whatever the command does: once the bracket view
// has closed, and the acceptance is done, the main window is shown again.
void TOrvanelDepartLigne::SuivantBtnClick() {
    logic_.SuivantBtnClick([this](const LineStartFigures& figures, bool acceptEnabled) {
        return windows_.showLineStartBracket(figures, acceptEnabled, this);
    });
    accept();
}
