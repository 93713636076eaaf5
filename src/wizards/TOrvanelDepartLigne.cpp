#include "TOrvanelDepartLigne.h"

#include "app/EnterGrid.h"
#include "app/HostInterface.h"
#include "bracket/TTableauPrevisualise.h"
#include "core/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

TableLocations placesOf(const HostInterface& host) {
    return {host.DataLocation, host.WorkingDirectory, host.HostTableName};
}

QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

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
                                         Prompter& prompter, BusyCursor& cursor, QWidget* parent)
    : QDialog(parent),
      host_(host),
      state_(state),
      prompter_(prompter),
      cursor_(cursor),
      logic_(state, prompter, cursor, placesOf(host),
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
            [this](bool checked) { logic_.setBuildSkeleton(checked); });
}

QWidget* TOrvanelDepartLigne::createGrid() {
    auto* group = new QGroupBox(QStringLiteral("Effectif du tableau à départ en ligne"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    StringGrid1Effectif = new EnterGrid(group);
    StringGrid1Effectif->setObjectName(QStringLiteral("StringGrid1Effectif"));
    StringGrid1Effectif->setEnterMovesRight(true);
    StringGrid1Effectif->setRowCount(2);
    StringGrid1Effectif->setColumnCount(LineStartWizardLogic::GridColumns);
    StringGrid1Effectif->horizontalHeader()->hide();
    StringGrid1Effectif->verticalHeader()->hide();
    StringGrid1Effectif->horizontalHeader()->setDefaultSectionSize(48);
    StringGrid1Effectif->verticalHeader()->setDefaultSectionSize(22);
    StringGrid1Effectif->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1Effectif->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1Effectif->setFixedSize(
        48 * LineStartWizardLogic::GridColumns + 2 * StringGrid1Effectif->frameWidth(),
        2 * 22 + 2 * StringGrid1Effectif->frameWidth());
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < LineStartWizardLogic::GridColumns; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            StringGrid1Effectif->setItem(row, column, cell);
        }
    }
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(StringGrid1Effectif);
    connect(StringGrid1Effectif, &EnterGrid::enterPressed, this, &TOrvanelDepartLigne::enterInGrid);
    return group;
}

QWidget* TOrvanelDepartLigne::createInformations() {
    auto* group = new QGroupBox(QStringLiteral("Informations"), this);
    group->setObjectName(QStringLiteral("GroupBox2Info"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(16);
    const auto row = [&](int at, const char* name, const QString& caption, QLabel*& value,
                         const char* valueName) {
        QLabel* label = named(new QLabel(caption, group), name);
        value = named(new QLabel(group), valueName);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(40);
        grid->addWidget(label, at, 0);
        grid->addWidget(value, at, 1);
        return label;
    };
    row(0, "Label1Effectif", QStringLiteral("Effectif du tableau"), LabelEffectif, "LabelEffectif");
    row(1, "Label2QualifieSortants", QStringLiteral("Nombre de qualifiés sortants"),
        LabelQualifieSortants, "LabelQualifieSortants");
    row(2, "Label3QualifieEntrants", QStringLiteral("Nombre de qualifiés entrants"),
        LabelQualifieEntrants, "LabelQualifieEntrants");
    row(3, "Label4Dimension", QStringLiteral("Dimension du tableau"), LabelDimensionTableau,
        "LabelDimensionTableau");
    row(4, "Label5Exempts", QStringLiteral("Nombre d'exempts"), LabelNBExempts, "LabelNBExempts");
    row(5, "Label6NONExempts", QStringLiteral("Nombre de non exempts"), LabelNONExempts,
        "LabelNONExempts");
    Label7TetesSerie = row(6, "Label7TetesSerie", QStringLiteral("Nombre de têtes de série"),
                           LabelTetesSerie, "LabelTetesSerie");
    return group;
}

QWidget* TOrvanelDepartLigne::createButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const QString& caption, const char* name) {
        auto* created = new QPushButton(caption, buttons);
        created->setObjectName(QString::fromLatin1(name));
        return created;
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
    const LineStartWizardLogic::Controls& controls = logic_.controls();
    {
        const QSignalBlocker quiet(StringGrid1Effectif);
        for (int column = 0; column < LineStartWizardLogic::GridColumns; ++column) {
            StringGrid1Effectif->item(0, column)->setText(controls.gridNames[column]);
            StringGrid1Effectif->item(1, column)->setText(controls.gridCounts[column]);
        }
    }
    LabelEffectif->setText(controls.effectif);
    LabelQualifieSortants->setText(controls.qualifiesSortants);
    LabelQualifieEntrants->setText(controls.qualifiesEntrants);
    LabelDimensionTableau->setText(controls.dimension);
    LabelNBExempts->setText(controls.exempts);
    LabelNONExempts->setText(controls.nonExempts);
    LabelTetesSerie->setText(controls.tetesSerie);
    Label7TetesSerie->setVisible(controls.seedsVisible);
    LabelTetesSerie->setVisible(controls.seedsVisible);
    PrecedentBtn->setEnabled(controls.precedentEnabled);
    SuivantBtn->setEnabled(controls.suivantEnabled);
    const QSignalBlocker quiet(CheckBox1AssistantConstructionTab);
    CheckBox1AssistantConstructionTab->setChecked(controls.buildSkeleton);
}

void TOrvanelDepartLigne::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        logic_.Show();
        refresh();
    }
}

void TOrvanelDepartLigne::enterInGrid() {
    QStringList names;
    QStringList counts;
    for (int column = 0; column < LineStartWizardLogic::GridColumns; ++column) {
        names.append(StringGrid1Effectif->item(0, column)->text());
        counts.append(StringGrid1Effectif->item(1, column)->text());
    }
    logic_.EnterInGrid(names, counts);
    LabelEffectif->setText(logic_.controls().effectif);
}

// "&Suivant" closes the wizard with OK whatever the command does: once the bracket view
// has closed, and the acceptance is done, the main window is shown again.
void TOrvanelDepartLigne::SuivantBtnClick() {
    logic_.Suivant([this](const LineStartWizardLogic::BracketRequest& request) {
        return showBracket(request);
    });
    accept();
}

bool TOrvanelDepartLigne::showBracket(const LineStartWizardLogic::BracketRequest& request) {
    TTableauPrevisualise view(host_, state_, prompter_, cursor_, this);
    view.OpenLineStart({request.players, request.dimension, request.byes, request.nonByes,
                        request.qualifiersOut, request.qualifiersIn},
                       request.seeds, request.acceptEnabled);
    return view.ShowModal();
}
