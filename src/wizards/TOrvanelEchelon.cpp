#include "TOrvanelEchelon.h"

#include "WizardControls.h"

#include "StaircaseSearch.h"
#include "core/Prompter.h"
#include "widgets/EnterGrid.h"
#include "widgets/WindowFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Controls that take turns in one place of the window: the place keeps the height of
// the tallest, so that the window does not jump when they change places.
QWidget* sharedPlace(QWidget* parent, std::initializer_list<QWidget*> turns) {
    auto* place = new QWidget(parent);
    auto* layout = new QGridLayout(place);
    layout->setContentsMargins(0, 0, 0, 0);
    int height = 0;
    for (QWidget* turn : turns) {
        turn->setParent(place);
        layout->addWidget(turn, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
        height = std::max(height, turn->sizeHint().height());
    }
    place->setMinimumHeight(height);
    return place;
}

QWidget* row(QWidget* parent, std::initializer_list<QWidget*> controls) {
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : controls) {
        layout->addWidget(control);
    }
    layout->addStretch(1);
    return line;
}

void setShown(bool shown, std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        control->setVisible(shown);
    }
}

}  // namespace

TOrvanelEchelon::TOrvanelEchelon(StaircaseState& state, Prompter& prompter, BusyCursor& cursor,
                                 WindowFactory& windows, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      windows_(windows),
      folding_(prompter),
      logic_(state, folding_, cursor) {
    setObjectName(QStringLiteral("TOrvanelEchelon"));
    setWindowTitle(QStringLiteral("Orvanel à entrées échelonnées"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* inside = new QVBoxLayout(panel);
    inside->addWidget(createGrid());
    auto* middle = new QHBoxLayout;
    middle->addWidget(createInformations());
    middle->addWidget(createOptions(), 1);
    inside->addLayout(middle);
    inside->addWidget(createButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    connectControls();
    refresh();
}

QWidget* TOrvanelEchelon::createGrid() {
    return WizardControls::RankingGroup(this,
                                        QStringLiteral("Effectif du tableau à entrée échelonnée"),
                                        RankingGrid::Columns, StringGrid1Effectif);
}

QWidget* TOrvanelEchelon::createInformations() {
    return WizardControls::InformationGroup(this, QStringLiteral("Couples indissociables"),
                                            QStringLiteral("Nombre de compressions à faire"),
                                            Informations);
}

QWidget* TOrvanelEchelon::createOptions() {
    auto* options = new QWidget(this);
    SpinEdit1NbTout = WizardControls::named(new QSpinBox(options), "SpinEdit1NbTout");
    SpinEdit1NbTout->setRange(4, StaircaseSearch::MaxTours);
    SpinEdit1NbTout->setValue(5);
    Label1Sortant = WizardControls::named(
        new QLabel(QStringLiteral("Tableau à entrée échelonnée, dernier(s) joueur(s) en"), options),
        "Label1Sortant");
    ComboBox1Sortant = WizardControls::named(new QComboBox(options), "ComboBox1Sortant");
    ComboBox1Sortant->addItems({QStringLiteral("Finale"), QStringLiteral("1/2 finale"),
                                QStringLiteral("1/4 finale"), QStringLiteral("1/8 finale"),
                                QStringLiteral("1/16 finale"), QStringLiteral("1/32 finale")});
    ComboBox1Sortant->setCurrentIndex(-1);
    Label2Couple = WizardControls::named(
        new QLabel(QStringLiteral("Nombre de couple indissociable"), options), "Label2Couple");
    SpinEdit1Couple = WizardControls::named(new QSpinBox(options), "SpinEdit1Couple");
    SpinEdit1Couple->setRange(0, StaggeredWizardLogic::MaxCouples);
    CheckBox1AutreSolution =
        WizardControls::named(new QCheckBox(QStringLiteral("Recherche autres solutions"), options),
                              "CheckBox1AutreSolution");
    CheckBox1Verif = WizardControls::named(
        new QCheckBox(QStringLiteral("Supprime class.plus 2 tours"), options), "CheckBox1Verif");
    QFont large = font();
    large.setPointSize(12);
    large.setBold(true);
    Label1Solution = WizardControls::named(new QLabel(options), "Label1Solution");
    Label1Iteration = WizardControls::named(new QLabel(options), "Label1Iteration");
    for (QLabel* result : {Label1Solution, Label1Iteration}) {
        result->setFont(large);
    }

    auto* layout = new QVBoxLayout(options);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(
        row(options,
            {WizardControls::named(new QLabel(QStringLiteral("Recherche sur "), options), "Label1"),
             SpinEdit1NbTout,
             WizardControls::named(new QLabel(QStringLiteral("tours au maximum"), options),
                                   "Label2")}));
    layout->addWidget(CheckBox1AutreSolution);
    layout->addWidget(CheckBox1Verif);
    layout->addSpacing(8);
    // The last-round picker and the couples give way to the results of the search.
    layout->addWidget(
        sharedPlace(options, {row(options, {Label1Sortant, ComboBox1Sortant}), Label1Solution}));
    layout->addWidget(
        sharedPlace(options, {row(options, {Label2Couple, SpinEdit1Couple}), Label1Iteration}));
    layout->addStretch(1);
    return options;
}

QWidget* TOrvanelEchelon::createButtons() {
    auto* buttons = new QWidget(this);
    const auto button = [buttons](const QString& caption, const char* name) {
        return WizardControls::Button(buttons, caption, name);
    };
    BitBtn1SaisieEscalier = button(QStringLiteral("&Escalier"), "BitBtn1SaisieEscalier");
    BitBtn1SaisieEscalier->setToolTip(QStringLiteral("Saisie d'un escalier"));
    PrecedentBtn = button(QStringLiteral("&Précedent"), "PrecedentBtn");
    SuivantBtn = button(QStringLiteral("&Suivant"), "SuivantBtn");
    SuivantBtn->setToolTip(QStringLiteral("Affichage des solutions trouvées"));
    SuivantBtn->setDefault(true);
    CancelBtn = button(QStringLiteral("Annuler"), "CancelBtn");
    HelpBtn = button(QStringLiteral("&Aide"), "HelpBtn");
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BitBtn1SaisieEscalier);
    layout->addStretch(1);
    for (QPushButton* each : {PrecedentBtn, SuivantBtn, CancelBtn, HelpBtn}) {
        layout->addWidget(each);
    }
    return buttons;
}

void TOrvanelEchelon::connectControls() {
    connect(StringGrid1Effectif, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* cell) {
        logic_.GridCellChanged(cell->row(), cell->column() + 1, cell->text());
    });
    connect(StringGrid1Effectif, &EnterGrid::enterPressed, this, [this] {
        logic_.GridEnter();
        refresh();
    });
    connect(SpinEdit1NbTout, &QSpinBox::valueChanged, this,
            [this](int value) { logic_.ToursChanged(value); });
    connect(ComboBox1Sortant, &QComboBox::currentIndexChanged, this, [this](int item) {
        logic_.LastRoundChanged(item);
        refresh();
    });
    connect(SpinEdit1Couple, &QSpinBox::valueChanged, this, [this](int value) {
        logic_.CouplesChanged(value);
        refresh();
    });
    connect(CheckBox1AutreSolution, &QCheckBox::toggled, this,
            [this](bool checked) { logic_.AutreSolutionToggled(checked); });
    connect(CheckBox1Verif, &QCheckBox::toggled, this,
            [this](bool checked) { logic_.VerifToggled(checked); });
    connect(SuivantBtn, &QPushButton::clicked, this, &TOrvanelEchelon::SuivantBtnClick);
    connect(BitBtn1SaisieEscalier, &QPushButton::clicked, this,
            &TOrvanelEchelon::BitBtn1SaisieEscalierClick);
    connect(PrecedentBtn, &QPushButton::clicked, this, [this] {
        logic_.PrecedentBtnClick();
        refresh();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { prompter_.information(HelpText()); });
}

void TOrvanelEchelon::Init(int qualifiersIn, int qualifiersOut, int seeds, int dimension) {
    logic_.Init(qualifiersIn, qualifiersOut, seeds, dimension);
    refresh();
}

void TOrvanelEchelon::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    // The message of a grid without players comes over the wizard once it is on screen.
    QMetaObject::invokeMethod(
        this,
        [this] {
            logic_.FormShow();
            refresh();
        },
        Qt::QueuedConnection);
}

void TOrvanelEchelon::refresh() {
    const StaggeredWizardLogic::Controls& c = logic_.controls();
    WizardControls::ShowGrid(StringGrid1Effectif, c.StringGrid1Effectif);
    WizardControls::ShowInformations(Informations, c.Informations);
    setShown(c.RoundPickerVisible, {Label1Sortant, ComboBox1Sortant});
    setShown(c.CouplesVisible, {Label2Couple, SpinEdit1Couple});
    {
        const QSignalBlocker tours(SpinEdit1NbTout);
        const QSignalBlocker round(ComboBox1Sortant);
        const QSignalBlocker couples(SpinEdit1Couple);
        const QSignalBlocker other(CheckBox1AutreSolution);
        const QSignalBlocker verif(CheckBox1Verif);
        SpinEdit1NbTout->setValue(c.SpinEdit1NbTout);
        ComboBox1Sortant->setCurrentIndex(c.ComboBox1Sortant);
        SpinEdit1Couple->setValue(c.SpinEdit1Couple);
        CheckBox1AutreSolution->setChecked(c.AutreSolutionChecked);
        CheckBox1Verif->setChecked(c.VerifChecked);
    }
    CheckBox1AutreSolution->setEnabled(c.AutreSolutionEnabled);
    Label1Solution->setText(c.Label1Solution.text);
    Label1Solution->setVisible(c.Label1Solution.visible);
    Label1Iteration->setText(c.Label1Iteration.text);
    Label1Iteration->setVisible(c.Label1Iteration.visible);
    SuivantBtn->setEnabled(c.SuivantEnabled);
    BitBtn1SaisieEscalier->setEnabled(c.EscalierEnabled);
    PrecedentBtn->setEnabled(c.PrecedentEnabled);
    CancelBtn->setEnabled(c.CancelEnabled);
    HelpBtn->setEnabled(c.HelpEnabled);
}

void TOrvanelEchelon::SuivantBtnClick() {
    StaggeredWizardLogic::Hooks hooks;
    // The window is painted at once: the search that follows lets no event through.
    hooks.repaint = [this] {
        refresh();
        repaint();
    };
    hooks.showSolutions = [this] { ShowSolutions(); };
    hooks.searchStarted = [this] { folding_.startFolding(); };
    hooks.searchEnded = [this] { folding_.endFolding(); };
    const StaggeredWizardLogic::Ending ending = logic_.SuivantBtnClick(hooks);
    refresh();
    if (ending == StaggeredWizardLogic::Ending::CloseOk) {
        accept();
    }
}

void TOrvanelEchelon::BitBtn1SaisieEscalierClick() {
    StaggeredWizardLogic::Hooks hooks;
    hooks.showManualEntry = [this] { windows_.showManualEntry(this); };
    const StaggeredWizardLogic::Ending ending = logic_.EscalierClick(hooks);
    refresh();
    // A grid that could not be read closes the wizard without a result.
    if (ending == StaggeredWizardLogic::Ending::CloseOk) {
        accept();
    } else if (ending == StaggeredWizardLogic::Ending::CloseIgnore) {
        reject();
    }
}

void TOrvanelEchelon::ShowSolutions() {
    windows_.showStaircaseView(this);
}

// The program has no help file of its wizards: the wizard explains itself in a message.
QString TOrvanelEchelon::HelpText() {
    return QStringLiteral(
        "Tableau à entrées échelonnées\n\n"
        "Les meilleurs classements entrent dans le tableau aux tours les plus avancés. "
        "L'assistant cherche les escaliers possibles : combien de parties compte chaque tour, "
        "en partant du dernier, et donc à quel tour entre chaque classement.\n\n"
        "La grille reprend l'effectif de chaque classement ; vous pouvez le corriger (Entrée "
        "valide la case). Sans qualifié sortant, choisissez le dernier tour du tableau final. "
        "Sans qualifié entrant, indiquez le nombre de couples indissociables ; avec des "
        "qualifiés entrants, il en fixe le nombre.\n\n"
        "« Recherche sur … tours au maximum » limite la recherche ; « Recherche autres "
        "solutions » cherche même quand l'escalier à tours égaux convient ; « Supprime "
        "class.plus 2 tours » écarte les escaliers où un classement entre sur plus de deux "
        "tours.\n\n"
        "« Suivant » lance la recherche et affiche les solutions trouvées ; « Précedent » "
        "revient aux réglages.");
}
