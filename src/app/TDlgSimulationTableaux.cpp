#include "TDlgSimulationTableaux.h"

#include "widgets/EnterGrid.h"
#include "widgets/ToolPictures.h"

#include "core/RankingLadder.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace {

QLabel* label(const QString& text, QWidget* parent, const char* name) {
    auto* created = new QLabel(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

QFont smaller(QFont font) {
    font.setPointSize(font.pointSize() - 1);
    return font;
}

}  // namespace

TDlgSimulationTableaux::TDlgSimulationTableaux(HostInterface& host, StaircaseState& state,
                                               Prompter& prompter, WizardFactory& factory,
                                               QWidget* parent)
    : QDialog(parent), logic_(host, state, prompter, factory) {
    setWindowTitle(SimulationTableaux::Caption());
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    createControls();
    createMenu();
    connectControls();
    logic_.FormCreate();
    refresh();
}

QString TDlgSimulationTableaux::versionLabelText() const {
    return LabelVersion->text();
}

void TDlgSimulationTableaux::createControls() {
    QWidget* top = createTopRow();
    StringGrid1 = new EnterGrid(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setColumnCount(2);
    StringGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("Classement"), QStringLiteral("Nb Joueurs")});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setColumnWidth(0, 105);
    StringGrid1->setColumnWidth(1, 106);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setFixedWidth(105 + 106 + StringGrid1->verticalScrollBar()->sizeHint().width() +
                               2 * StringGrid1->frameWidth());
    // Tall enough for the twelve rankings the wizards take, under the header.
    StringGrid1->setMinimumHeight(StringGrid1->horizontalHeader()->sizeHint().height() +
                                  SimulationTableaux::MaxRankingRows * 20 +
                                  2 * StringGrid1->frameWidth());

    auto* body = new QHBoxLayout;
    body->addWidget(StringGrid1);
    body->addWidget(createFigures(), 1);

    Label1FileName = label(QString(), this, "Label1FileName");
    Label1FileName->setFont(smaller(font()));
    Label1FileName->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* window = new QVBoxLayout(this);
    window->addWidget(top);
    window->addLayout(body, 1);
    window->addWidget(Label1FileName);
}

QWidget* TDlgSimulationTableaux::createTopRow() {
    auto* row = new QWidget(this);
    auto* toolBar = new QToolBar(row);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setIconSize(QSize(20, 20));
    OuvrirFichierBtn =
        toolBar->addAction(ToolPictures::Open(), QStringLiteral("Ouvrir un fichier"));
    EnregistrerBtn = toolBar->addAction(ToolPictures::Save(), QStringLiteral("Enregistrer"));
    EnregistrerSousBtn =
        toolBar->addAction(ToolPictures::SaveAs(), QStringLiteral("Enregistrer sous"));
    toolBar->addSeparator();
    FermerBtn = toolBar->addAction(ToolPictures::Quit(), QStringLiteral("Quitter l'application"));
    OuvrirFichierBtn->setObjectName(QStringLiteral("OuvrirFichierBtn"));
    EnregistrerBtn->setObjectName(QStringLiteral("EnregistrerBtn"));
    EnregistrerSousBtn->setObjectName(QStringLiteral("EnregistrerSousBtn"));
    FermerBtn->setObjectName(QStringLiteral("FermerBtn"));

    Button1InitZero = new QPushButton(QStringLiteral("Mettre à zéro"), row);
    Button1InitZero->setObjectName(QStringLiteral("Button1InitZero"));
    Button1InitZero->setToolTip(QStringLiteral("Remet à zéro les\neffectifs classements"));

    ComboBox1ClassDebut = new QComboBox(row);
    ComboBox1ClassDebut->setObjectName(QStringLiteral("ComboBox1ClassDebut"));
    ComboBox1ClassFin = new QComboBox(row);
    ComboBox1ClassFin->setObjectName(QStringLiteral("ComboBox1ClassFin"));
    for (QComboBox* picker : {ComboBox1ClassDebut, ComboBox1ClassFin}) {
        picker->addItems(RankingLadder::Entries());
        picker->setMaxVisibleItems(20);
        picker->setMinimumContentsLength(6);
    }
    ComboBox1ClassDebut->setToolTip(
        QStringLiteral("Sélection d'une fourchette\nde classement, le début"));
    ComboBox1ClassFin->setToolTip(
        QStringLiteral("Sélection d'une fourchette\nde classement, la fin"));

    LabelVersion = label(SimulationTableaux::VersionText(), row, "LabelVersion");
    LabelVersion->setToolTip(SimulationTableaux::VersionHint());
    LabelVersion->setFont(smaller(font()));
    LabelVersion->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    Image1 = label(QString(), row, "Image1");
    Image1->setPixmap(ToolPictures::Logo(56));

    auto* range = new QHBoxLayout;
    range->addWidget(label(QStringLiteral("Classement de"), row, "Label6"));
    range->addWidget(ComboBox1ClassDebut);
    range->addSpacing(8);
    range->addWidget(label(QStringLiteral("à"), row, "Label7"));
    range->addWidget(ComboBox1ClassFin);
    range->addStretch(1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(toolBar);
    commands->addSpacing(12);
    commands->addWidget(Button1InitZero);
    commands->addStretch(1);
    commands->addWidget(LabelVersion, 0, Qt::AlignTop);

    auto* left = new QVBoxLayout;
    left->addLayout(commands);
    left->addLayout(range);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addWidget(Image1, 0, Qt::AlignTop | Qt::AlignRight);
    return row;
}

QWidget* TDlgSimulationTableaux::createFigures() {
    auto* panel = new QWidget(this);
    Edit1NBQS = new QLineEdit(QStringLiteral("0"), panel);
    Edit1NBQS->setObjectName(QStringLiteral("Edit1NBQS"));
    Edit1NBQE = new QLineEdit(QStringLiteral("0"), panel);
    Edit1NBQE->setObjectName(QStringLiteral("Edit1NBQE"));
    Edit1NBTS = new QLineEdit(QStringLiteral("0"), panel);
    Edit1NBTS->setObjectName(QStringLiteral("Edit1NBTS"));
    for (QLineEdit* field : {Edit1NBQS, Edit1NBQE, Edit1NBTS}) {
        field->setFixedWidth(50);
    }

    auto* figures = new QFormLayout;
    figures->addRow(label(QStringLiteral("Nombre de qualifiés sortants:"), panel, "Label1"),
                    Edit1NBQS);
    figures->addRow(label(QStringLiteral("Nombre de qualifiés entrants:"), panel, "Label2"),
                    Edit1NBQE);
    figures->addRow(label(QStringLiteral("Nombre de tête de série:"), panel, "Label3"), Edit1NBTS);

    // The draw size is kept in the files but not asked for: its controls stay hidden.
    Label4 = label(QStringLiteral("Sur tableau à "), panel, "Label4");
    ComboBox1EntreeTab = new QComboBox(panel);
    ComboBox1EntreeTab->setObjectName(QStringLiteral("ComboBox1EntreeTab"));
    ComboBox1EntreeTab->addItems(RankingLadder::DrawSizes());
    Label5 = label(QStringLiteral("entrées"), panel, "Label5");
    auto* entrySize = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{Label4, ComboBox1EntreeTab, Label5}) {
        entrySize->addWidget(control);
        control->hide();
    }
    entrySize->addStretch(1);

    auto* drawType = new QGroupBox(QStringLiteral("Type de tableau"), panel);
    drawType->setObjectName(QStringLiteral("RadioGroup1TypeTableau"));
    drawType->setToolTip(
        QStringLiteral("Permet de définir le type de tableau\nsur lequel vous voulez travailler"));
    RadioGroup1TypeTableau = new QButtonGroup(drawType);
    auto* types = new QVBoxLayout(drawType);
    const QStringList items{QStringLiteral("à départ en ligne"),
                            QStringLiteral("à entrée échelonnée")};
    for (int item = 0; item < items.size(); ++item) {
        auto* button = new QRadioButton(items[item], drawType);
        button->setObjectName(QStringLiteral("RadioGroup1TypeTableau%1").arg(item));
        RadioGroup1TypeTableau->addButton(button, item);
        types->addWidget(button);
    }

    SuivantBtn = new QPushButton(QStringLiteral("&Suivant"), panel);
    SuivantBtn->setObjectName(QStringLiteral("SuivantBtn"));
    QuitterBtn = new QPushButton(QStringLiteral("Quitter"), panel);
    QuitterBtn->setObjectName(QStringLiteral("QuitterBtn"));
    // Enter belongs to the fields and the grid: no button is pressed by it.
    for (QPushButton* button : {Button1InitZero, SuivantBtn, QuitterBtn}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SuivantBtn);
    buttons->addWidget(QuitterBtn);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->addLayout(figures);
    layout->addLayout(entrySize);
    layout->addWidget(drawType);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return panel;
}

void TDlgSimulationTableaux::createMenu() {
    PopupMenu1Principal = new QMenu(this);
    PopupMenu1Principal->setObjectName(QStringLiteral("PopupMenu1Principal"));
    const auto add = [this](const QString& text, const char* name) {
        QAction* action = PopupMenu1Principal->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add(QStringLiteral("Ouvrir fichier..."), "Ouvrirfichier1"), &QAction::triggered, this,
            [this] { run(&SimulationTableaux::OuvrirFichier); });
    connect(add(QStringLiteral("Enregistrer sous..."), "Enregistrersous1"), &QAction::triggered,
            this, [this] { run(&SimulationTableaux::EnregistrerSous); });
    PopupMenu1Principal->addSeparator();
    connect(add(QStringLiteral("Mettre à zéro"), "Mettrezero1"), &QAction::triggered, this,
            [this] { run(&SimulationTableaux::MettreAZero); });
    PopupMenu1Principal->addSeparator();
    Verifiemiseajour1 = add(QStringLiteral("Vérifie mise à jour"), "Verifiemiseajour1");
    Verifiemiseajour1->setEnabled(false);
    connect(Verifiemiseajour1, &QAction::triggered, this, [this] {
        if (updateCheck_ && updateCheck_(this)) {
            reject();
        }
    });
}

void TDlgSimulationTableaux::setUpdateCheck(std::function<bool(QWidget*)> check) {
    updateCheck_ = std::move(check);
    Verifiemiseajour1->setEnabled(static_cast<bool>(updateCheck_));
}

void TDlgSimulationTableaux::connectControls() {
    connect(OuvrirFichierBtn, &QAction::triggered, this,
            [this] { run(&SimulationTableaux::OuvrirFichier); });
    connect(EnregistrerBtn, &QAction::triggered, this,
            [this] { run(&SimulationTableaux::Enregistrer); });
    connect(EnregistrerSousBtn, &QAction::triggered, this,
            [this] { run(&SimulationTableaux::EnregistrerSous); });
    connect(FermerBtn, &QAction::triggered, this, &QDialog::reject);
    connect(QuitterBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1InitZero, &QPushButton::clicked, this,
            [this] { run(&SimulationTableaux::MettreAZero); });
    connect(SuivantBtn, &QPushButton::clicked, this, [this] { run(&SimulationTableaux::Suivant); });

    connect(ComboBox1ClassDebut, &QComboBox::currentIndexChanged, this, [this](int index) {
        logic_.RangeChange(SimulationTableaux::Picker::Start, index);
        refresh();
        editFirstCount();
    });
    connect(ComboBox1ClassFin, &QComboBox::currentIndexChanged, this, [this](int index) {
        logic_.RangeChange(SimulationTableaux::Picker::End, index);
        refresh();
        editFirstCount();
    });
    connect(StringGrid1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* cell) {
        logic_.SetCell(cell->row() + 1, cell->column(), cell->text());
    });
    connect(Edit1NBQS, &QLineEdit::textEdited, this, [this](const QString& text) {
        logic_.OutgoingChanged(text);
        refresh();
    });
    connect(Edit1NBQE, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SetQualifiersIn(text); });
    connect(Edit1NBTS, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SetSeeds(text); });
    connect(ComboBox1EntreeTab, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { logic_.SetEntrySize(text); });
    connect(RadioGroup1TypeTableau, &QButtonGroup::idClicked, this,
            [this](int id) { logic_.SetDrawType(id); });
    // Enter in the two qualifier fields moves on as Tab does.
    for (QLineEdit* field : {Edit1NBQS, Edit1NBQE}) {
        connect(field, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    }
}

void TDlgSimulationTableaux::run(void (SimulationTableaux::*command)()) {
    (logic_.*command)();
    refresh();
}

void TDlgSimulationTableaux::refresh() {
    const SimulationInput& input = logic_.Input();
    {
        const QSignalBlocker start(ComboBox1ClassDebut);
        const QSignalBlocker end(ComboBox1ClassFin);
        const QSignalBlocker size(ComboBox1EntreeTab);
        ComboBox1ClassDebut->setCurrentIndex(logic_.StartIndex());
        ComboBox1ClassFin->setCurrentIndex(logic_.EndIndex());
        ComboBox1EntreeTab->setCurrentIndex(
            static_cast<int>(RankingLadder::DrawSizes().indexOf(input.EntrySizeText)));
    }
    // Setting a text that is already there leaves the cursor and the selection alone.
    const auto show = [](QLineEdit* field, const QString& text) {
        if (field->text() != text) {
            field->setText(text);
        }
    };
    show(Edit1NBQS, input.QualifiersOutText);
    show(Edit1NBQE, input.QualifiersInText);
    show(Edit1NBTS, input.SeedsText);
    if (QAbstractButton* type = RadioGroup1TypeTableau->button(input.DrawType)) {
        type->setChecked(true);
    }
    refreshGrid();
    SuivantBtn->setEnabled(logic_.NextEnabled());
    Label1FileName->setText(logic_.FileLabel());
    Label1FileName->setToolTip(logic_.FileHint());
}

void TDlgSimulationTableaux::refreshGrid() {
    const SimulationInput& input = logic_.Input();
    const QSignalBlocker blocker(StringGrid1);
    StringGrid1->setEnabled(logic_.GridEnabled());
    StringGrid1->setRowCount(static_cast<int>(input.Rows.size()));
    for (int row = 0; row < input.Rows.size(); ++row) {
        const QString texts[] = {input.Rows[row].RankingText, input.Rows[row].CountText};
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* cell = StringGrid1->item(row, column);
            if (cell == nullptr) {
                StringGrid1->setItem(row, column, new QTableWidgetItem(texts[column]));
            } else if (cell->text() != texts[column]) {
                cell->setText(texts[column]);
            }
        }
    }
    StringGrid1->viewport()->update();
}

// After a rebuild of the grid the first count is ready to be typed.
void TDlgSimulationTableaux::editFirstCount() {
    if (StringGrid1->rowCount() == 0) {
        return;
    }
    StringGrid1->setCurrentCell(0, 1);
    StringGrid1->setFocus();
    StringGrid1->editItem(StringGrid1->item(0, 1));
}

void TDlgSimulationTableaux::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    logic_.FormShow();
    refresh();
    editFirstCount();
}

void TDlgSimulationTableaux::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1Principal->exec(event->globalPos());
}

void TDlgSimulationTableaux::done(int result) {
    logic_.FormClose();
    QDialog::done(result);
}
