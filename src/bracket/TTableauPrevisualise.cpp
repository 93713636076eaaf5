#include "TTableauPrevisualise.h"

#include "BracketColors.h"
#include "BracketPictures.h"
#include "ItemKeys.h"
#include "StaggeredOpening.h"
#include "TDlgMetInformations.h"
#include "TDlgPropriteTableau.h"

#include "core/HostInterface.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "page/PageView.h"
#include "widgets/DrawPrintRequest.h"
#include "widgets/ToolPictures.h"
#include "widgets/WindowFactory.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

TTableauPrevisualise::TTableauPrevisualise(const HostInterface& host, StaircaseState& state,
                                           Prompter& prompter, BusyCursor& cursor, QWidget* parent)
    : QDialog(parent), logic_(page_, state, host, prompter, cursor), prompter_(prompter) {
    setObjectName(QStringLiteral("TTableauPrevisualise"));
    setWindowTitle(TableauPrevisualise::Caption());
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    createToolBar();
    ScrollBox1Page = new PageView(page_, this);
    ScrollBox1Page->setObjectName(QStringLiteral("ScrollBox1Page"));
    ScrollBox1Page->setBackgroundBrush(BracketColors::Page);
    ScrollBox1Page->setContextMenuPolicy(Qt::CustomContextMenu);
    // One wheel event scrolls 8 pixels, on every platform, as the arrows of the bar do.
    ScrollBox1Page->setWheelStep(8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(ScrollBox1Page, 1);
    createMenu();
    connectEditing();

    connect(ScrollBox1Page, &PageView::itemClicked, this,
            [this](const QString& name, Qt::MouseButton button) {
                if (button == Qt::LeftButton) {
                    logic_.ItemClicked(name);
                }
            });
    connect(ScrollBox1Page, &PageView::itemEntered, this, [this](const QString& name) {
        if (name == ItemKeys::Banner) {
            logic_.BannerEntered();
        }
    });
    connect(ScrollBox1Page, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { PopupMenu1->popup(ScrollBox1Page->mapToGlobal(point)); });
    // Maximised; where no window manager maximises it, it still takes the screen.
    if (const QScreen* shown = screen()) {
        resize(shown->availableGeometry().size());
    }
    setWindowState(Qt::WindowMaximized);
}

TTableauPrevisualise::~TTableauPrevisualise() = default;

QAction* TTableauPrevisualise::addTool(const QIcon& icon, const char* name, const QString& hint) {
    QAction* action = ToolBar1->addAction(icon, hint);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    return action;
}

// The tool bar, 32 pixels high, with its buttons left to right; printing stays disabled.
void TTableauPrevisualise::createToolBar() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(32);
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->setToolTip(QStringLiteral(
        "Glisser les joueurs depuis l'effectif avec la souris, clicquer sur un joueur pour "
        "mettre TS"));
    SpeedButtonProgPrecedente = addTool(BracketPictures::ZoomIn(), "SpeedButtonProgPrecedente",
                                        QStringLiteral("Zoom plus"));
    SpeedButtonProgSuivante = addTool(BracketPictures::ZoomOut(), "SpeedButtonProgSuivante",
                                      QStringLiteral("Zoom moins"));
    SpeedButton1ProprieteTab = addTool(BracketPictures::Properties(), "SpeedButton1ProprieteTab",
                                       QStringLiteral("Propriétés d'affichage du tableau"));
    SpeedButton1SupprimerTab = addTool(BracketPictures::ClearPlayers(), "SpeedButton1SupprimerTab",
                                       QStringLiteral("Supprimer tous les joueurs du tableau"));
    SpeedButton2ReafficheTab = addTool(BracketPictures::Redisplay(), "SpeedButton2ReafficheTab",
                                       QStringLiteral("Réafficher le tableau"));
    SpeedButton1 = addTool(BracketPictures::Rules(), "SpeedButton1",
                           QStringLiteral("Vérifier règles et recommandations"));
    SpeedButtonPrint =
        addTool(ToolPictures::Print(), "SpeedButtonPrint", QStringLiteral("Imprimer la solution"));
    ToolBar1->addSeparator();
    SpeedButton1Accepter = addTool(ToolPictures::Accept(), "SpeedButton1Accepter",
                                   QStringLiteral("Accepter la solution"));
    SpeedButton1Accepter->setText(QStringLiteral("Accepter"));
    SpeedButton3 = addTool(ToolPictures::Quit(), "SpeedButton3", QStringLiteral("Fermer fenêtre"));
    SpeedButton3->setText(QStringLiteral("Fermer"));
    ToolBar1->addSeparator();
    SpeedButton3Aide = addTool(ToolPictures::Help(), "SpeedButton3Aide", QStringLiteral("Aide"));
    for (QAction* captioned : {SpeedButton1Accepter, SpeedButton3}) {
        if (auto* button = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(captioned))) {
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
    }
    for (QAction* later : {SpeedButtonPrint}) {
        later->setEnabled(false);
    }
    connect(SpeedButton1, &QAction::triggered, this, [this] { logic_.CheckRules(); });

    connect(SpeedButtonProgPrecedente, &QAction::triggered, this, [this] { logic_.ZoomIn(); });
    connect(SpeedButtonProgSuivante, &QAction::triggered, this, [this] { logic_.ZoomOut(); });
    connect(SpeedButton2ReafficheTab, &QAction::triggered, this,
            [this] { logic_.FullRedisplay(true); });
    connect(SpeedButton1ProprieteTab, &QAction::triggered, this,
            &TTableauPrevisualise::showProperties);
    connect(SpeedButton1Accepter, &QAction::triggered, this, &QDialog::accept);
    connect(SpeedButton3, &QAction::triggered, this, &QDialog::reject);
    connect(SpeedButton3Aide, &QAction::triggered, this, &TTableauPrevisualise::help);
}

QAction* TTableauPrevisualise::addMenuItem(const char* name, const QString& caption) {
    QAction* item = PopupMenu1->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void TTableauPrevisualise::createMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* clear = addMenuItem("Supprimertouslesjoueursdutableau1",
                                 QStringLiteral("Supprimer tous les joueurs du tableau"));
    QAction* properties =
        addMenuItem("Proprietesdutableau1", QStringLiteral("Propriétés du tableau"));
    QAction* redisplay =
        addMenuItem("Reafficherletableau1", QStringLiteral("Réafficher le tableau"));
    PopupMenu1->addSeparator();
    QAction* larger = addMenuItem("Augmenterlesdimensionsdutableau1",
                                  QStringLiteral("Augmenter les dimensions du tableau"));
    Diminuerlesdimensionsdutableau1 = addMenuItem(
        "Diminuerlesdimensionsdutableau1", QStringLiteral("Diminuer les dimensions du tableau"));
    PopupMenu1->addSeparator();
    QAction* rules = addMenuItem("Verifierlesreglesetrecommandations1",
                                 QStringLiteral("Vérifier les règles et recommandations"));
    PopupMenu1->addSeparator();
    QAction* print = addMenuItem("Imprimerletableau1", QStringLiteral("Imprimer le tableau"));
    for (QAction* later : {print}) {
        later->setEnabled(false);
    }
    Diminuerlesdimensionsdutableau1->setEnabled(false);
    connect(rules, &QAction::triggered, this, [this] { logic_.CheckRules(); });
    connect(redisplay, &QAction::triggered, this, [this] { logic_.FullRedisplay(true); });
    connect(clear, &QAction::triggered, this, [this] { logic_.editor().EmptyDraw(); });
    connect(properties, &QAction::triggered, this, &TTableauPrevisualise::showProperties);
    connect(larger, &QAction::triggered, this, [this] { logic_.AddRound(); });
    connect(Diminuerlesdimensionsdutableau1, &QAction::triggered, this,
            [this] { logic_.RemoveRound(); });
    // Every change of the history may add or take off a round: undo and redo included.
    connect(&logic_.editor().undoStack(), &QUndoStack::indexChanged, this,
            &TTableauPrevisualise::showDimensionCommands);
}

// The drags and clicks of the page go to the editor, which decides what they do; the
// undo and redo commands sit on the tool bar (before the rules check) and at the end of
// the context menu, with Ctrl+Z and Ctrl+Y.
void TTableauPrevisualise::connectEditing() {
    DlgMetInformations = new TDlgMetInformations(prompter_, this);
    BracketEditor& editor = logic_.editor();
    ScrollBox1Page->setDropFilter([&editor](const QString& source, const QString& target) {
        return editor.Accepts(source, target);
    });
    connect(ScrollBox1Page, &PageView::dragStarted, this,
            [&editor](const QString& source) { editor.DragStarted(source); });
    connect(ScrollBox1Page, &PageView::itemDropped, this,
            [this, &editor](const QString& source, const QString& target) {
                editor.Drop(source, target, *DlgMetInformations);
            });
    // A drag that no item took: a name label then opens its seed dialog.
    connect(ScrollBox1Page, &PageView::dragCancelled, this, [this, &editor](const QString& source) {
        editor.Drop(source, QString(), *DlgMetInformations);
    });
    connect(ScrollBox1Page, &PageView::itemClicked, this,
            [this, &editor](const QString& name, Qt::MouseButton button) {
                if (button == Qt::LeftButton &&
                    DropAcceptance::RoleOf(name) == DropAcceptance::Role::NameLabel) {
                    editor.Click(name, *DlgMetInformations);
                }
            });
    connect(SpeedButton1SupprimerTab, &QAction::triggered, this, [&editor] { editor.EmptyDraw(); });

    SpeedButtonAnnuler = editor.undoStack().createUndoAction(this, QStringLiteral("Annuler"));
    SpeedButtonAnnuler->setObjectName(QStringLiteral("SpeedButtonAnnuler"));
    SpeedButtonAnnuler->setIcon(BracketPictures::Undo());
    SpeedButtonAnnuler->setShortcut(QKeySequence::Undo);
    SpeedButtonRetablir = editor.undoStack().createRedoAction(this, QStringLiteral("Rétablir"));
    SpeedButtonRetablir->setObjectName(QStringLiteral("SpeedButtonRetablir"));
    SpeedButtonRetablir->setIcon(BracketPictures::Redo());
    SpeedButtonRetablir->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(QKeySequence::Redo)});
    ToolBar1->insertAction(SpeedButton1, SpeedButtonAnnuler);
    ToolBar1->insertAction(SpeedButton1, SpeedButtonRetablir);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(SpeedButtonAnnuler);
    PopupMenu1->addAction(SpeedButtonRetablir);
}

void TTableauPrevisualise::showProperties() {
    if (const std::optional<TableProperties> chosen =
            TDlgPropriteTableau::Ask(logic_.Properties(), this)) {
        logic_.ApplyProperties(*chosen);
    }
}

// "Diminuer" takes off only the rounds this view added.
void TTableauPrevisualise::showDimensionCommands() {
    Diminuerlesdimensionsdutableau1->setEnabled(logic_.CanRemoveRound());
}

void TTableauPrevisualise::help() {
    prompter_.information(TableauPrevisualise::HelpText());
}

void TTableauPrevisualise::OpenLineStart(const LineStartFigures& figures, bool acceptEnabled) {
    BracketSettings& settings = logic_.settings();
    settings.Kind = BracketSettings::DrawKind::LineStart;
    settings.HideEmptyBranches = false;
    settings.EndBranches = false;
    settings.SeedCount = figures.LineSeeds;
    SpeedButton1Accepter->setEnabled(acceptEnabled);
    logic_.OpenLineStart(figures);
}

void TTableauPrevisualise::OpenStaggered(const BracketSettings& settings, bool acceptEnabled) {
    logic_.settings() = settings;
    SpeedButton1Accepter->setEnabled(acceptEnabled);
    logic_.OpenStaggered();
}

bool TTableauPrevisualise::ShowModal() {
    return exec() == QDialog::Accepted;
}

bool TTableauPrevisualise::ShowStaggered(const HostInterface& host, StaircaseState& state,
                                         Prompter& prompter, BusyCursor& cursor,
                                         int currentSolution, bool acceptEnabled, QWidget* parent,
                                         WindowFactory* windows) {
    TTableauPrevisualise view(host, state, prompter, cursor, parent);
    view.setWindowFactory(windows);
    view.OpenStaggered(
        StaggeredOpening::Prepare(state, host.DataLocation, prompter, currentSolution),
        acceptEnabled);
    return view.ShowModal();
}

void TTableauPrevisualise::setWindowFactory(WindowFactory* windows) {
    windows_ = windows;
    auto* menuItem = findChild<QAction*>(QStringLiteral("Imprimerletableau1"));
    for (QAction* command : {SpeedButtonPrint, menuItem}) {
        if (command) {
            command->setEnabled(windows_ != nullptr);
            disconnect(command, &QAction::triggered, this, &TTableauPrevisualise::print);
            connect(command, &QAction::triggered, this, &TTableauPrevisualise::print);
        }
    }
}

// "Imprimer le tableau": what the view shows beside the shared state goes to the print.
void TTableauPrevisualise::print() {
    if (!windows_) {
        return;
    }
    const BracketSettings& settings = logic_.settings();
    DrawPrintRequest request;
    request.lineStart = settings.Kind == BracketSettings::DrawKind::LineStart;
    request.tableName = logic_.tableName();
    request.hideEmptyBranches = settings.HideEmptyBranches;
    request.seeds = settings.SeedCount;
    request.solutionNumber = settings.SolutionNumber;
    request.byes = logic_.lineStartFigures().Byes;
    request.roundOnePlayers = logic_.lineStartFigures().NonByes;
    if (logic_.notes().shown()) {
        request.infoLines = logic_.notes().text().split(QLatin1Char('\n'));
    }
    windows_->printDraw(request, this);
}

void TTableauPrevisualise::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ScrollBox1Page->setFocus();
}

void TTableauPrevisualise::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    logic_.Resized();
}
