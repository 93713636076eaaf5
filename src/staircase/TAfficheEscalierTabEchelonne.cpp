#include "TAfficheEscalierTabEchelonne.h"

#include "EntryNames.h"
#include "SolutionAcceptance.h"
#include "StaggeredSkeleton.h"
#include "StaircasePictures.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/Prompter.h"
#include "drawtable/TableLocations.h"
#include "drawtable/TableNames.h"
#include "page/PageView.h"
#include "widgets/ToolPictures.h"
#include "widgets/WindowFactory.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

namespace {

constexpr int ClientWidth = 706;
constexpr int ClientHeight = 463;
constexpr int SpeedBarHeight = 32;

}  // namespace

TAfficheEscalierTabEchelonne::TAfficheEscalierTabEchelonne(const HostInterface& host,
                                                           StaircaseState& state,
                                                           Prompter& prompter, BusyCursor& cursor,
                                                           WindowFactory& windows, QWidget* parent)
    : QDialog(parent),
      host_(host),
      state_(state),
      prompter_(prompter),
      cursor_(cursor),
      windows_(windows),
      logic_(state, page_, cursor),
      entry_(state, page_, prompter, logic_) {
    setObjectName(QStringLiteral("AfficheEscalierTabEchelonne"));
    setWindowTitle(QStringLiteral("Orvanel"));
    QFont font(QStringLiteral("Arial"), 8);
    font.setBold(true);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);
    createSpeedBar();

    ScrollBox1 = new PageView(page_, this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(0, SpeedBarHeight, ClientWidth, ClientHeight - SpeedBarHeight);
    ScrollBox1->setFont(QFont(QStringLiteral("Arial"), 8));
    ScrollBox1->setBackgroundBrush(palette().window());
    ScrollBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ScrollBox1, &PageView::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers, const QString& text) {
                if (!FormKeyPress(text)) {
                    FormKeyDown(key);
                }
            });
    // Only the entry's labels can be dragged; each drop, refused drag and click goes to
    // the entry, which a click reaches as a drag without a target.
    ScrollBox1->setDropFilter([this](const QString& source, const QString& target) {
        return entry_.Accepts(source, target);
    });
    connect(ScrollBox1, &PageView::itemDropped, this,
            [this](const QString& source, const QString& target) { entry_.Drag(source, target); });
    connect(ScrollBox1, &PageView::dragCancelled, this,
            [this](const QString& source) { entry_.Drag(source, QString()); });
    connect(ScrollBox1, &PageView::itemClicked, this,
            [this](const QString& name, Qt::MouseButton button) {
                if (button == Qt::LeftButton) {
                    entry_.Drag(name, QString());
                }
            });
    createMenu();
    connect(ScrollBox1, &QWidget::customContextMenuRequested, this,
            &TAfficheEscalierTabEchelonne::contextMenu);

    // Accepting copies into the host's draw table: there is none while the program runs
    // on its own, when the host's table is the working table itself.
    const bool acceptable = host_.HostTableName != TableNames::StaggeredDraw;
    SpeedButton1Accepter->setEnabled(acceptable);
    Mettreenplacecettesolution1->setEnabled(acceptable);
    refresh();

    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

QToolButton* TAfficheEscalierTabEchelonne::addSpeedButton(QWidget* bar, const char* name,
                                                          const QIcon& icon, const QString& tip,
                                                          const QRect& place) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tip);
    button->setGeometry(place);
    // The keys belong to the page: a button never takes the focus from it.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TAfficheEscalierTabEchelonne::createSpeedBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setGeometry(0, 0, ClientWidth, SpeedBarHeight);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setToolTip(
        QStringLiteral("Escalier avec touches Flèches Haut, Bas, Ins, Suppr, et touches +, -"));
    SpeedButtonProgPrecedente =
        addSpeedButton(bar, "SpeedButtonProgPrecedente", StaircasePictures::Previous(),
                       QStringLiteral("Solution précédente"), {8, 5, 23, 22});
    SpeedButtonProgSuivante =
        addSpeedButton(bar, "SpeedButtonProgSuivante", StaircasePictures::Next(),
                       QStringLiteral("Solution suivante"), {40, 5, 23, 22});
    SpeedButton1Squelette =
        addSpeedButton(bar, "SpeedButton1Squelette", StaircasePictures::Skeleton(),
                       QStringLiteral("Squelette du tableau"), {80, 4, 25, 25});
    SpeedButtonPrint = addSpeedButton(bar, "SpeedButtonPrint", ToolPictures::Print(),
                                      QStringLiteral("Imprimer la solution"), {120, 5, 23, 22});
    SpeedButton1Accepter = addSpeedButton(bar, "SpeedButton1Accepter", ToolPictures::Accept(),
                                          QStringLiteral("Accepter la solution"), {152, 5, 65, 22});
    SpeedButton3 = addSpeedButton(bar, "SpeedButton3", ToolPictures::Quit(),
                                  QStringLiteral("Fermer fenêtre"), {232, 4, 65, 25});
    SpeedButton3Aide = addSpeedButton(bar, "SpeedButton3Aide", ToolPictures::Help(),
                                      QStringLiteral("Aide"), {320, 5, 23, 22});
    SpeedButton1Accepter->setText(QStringLiteral("Accepter"));
    SpeedButton3->setText(QStringLiteral("Fermer"));
    for (QToolButton* captioned : {SpeedButton1Accepter, SpeedButton3}) {
        captioned->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        // A picture and a caption in 65 pixels: a smaller picture leaves the caption whole.
        captioned->setIconSize(QSize(12, 12));
    }
    for (const auto& [name, left] : {std::pair{"Shape4", 110}, std::pair{"Shape2", 222}}) {
        auto* separator = new QFrame(bar);
        separator->setObjectName(QString::fromLatin1(name));
        separator->setGeometry(left, 5, 1, 22);
        separator->setAutoFillBackground(true);
        QPalette white = separator->palette();
        white.setColor(QPalette::Window, QColor(255, 255, 255));
        separator->setPalette(white);
    }
    connect(SpeedButtonPrint, &QToolButton::clicked, this,
            [this] { windows_.printStaircase(logic_.CurrentSolution, this); });

    connect(SpeedButtonProgPrecedente, &QToolButton::clicked, this,
            [this] { navigate(&StaircaseViewLogic::Previous); });
    connect(SpeedButtonProgSuivante, &QToolButton::clicked, this,
            [this] { navigate(&StaircaseViewLogic::Next); });
    connect(SpeedButton1Squelette, &QToolButton::clicked, this,
            &TAfficheEscalierTabEchelonne::SpeedButton1SqueletteClick);
    connect(SpeedButton1Accepter, &QToolButton::clicked, this,
            &TAfficheEscalierTabEchelonne::SpeedButton1AccepterClick);
    connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButton3Aide, &QToolButton::clicked, this,
            [this] { prompter_.information(HelpText()); });
}

void TAfficheEscalierTabEchelonne::createMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto add = [this](const char* name, const QString& caption) {
        QAction* item = PopupMenu1->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    Mettreenplacecettesolution1 =
        add("Mettreenplacecettesolution1", QStringLiteral("Mettre en place cette solution"));
    QAction* print = add("Imprimerlescalier1", QStringLiteral("Imprimer l'escalier"));
    QAction* bracket = add("Visualiserletableau1", QStringLiteral("Visualiser le tableau"));
    PopupMenu1->addSeparator();
    QAction* manual = add("Saisirunescalier1", QStringLiteral("Saisir un escalier"));
    connect(print, &QAction::triggered, this,
            [this] { windows_.printStaircase(logic_.CurrentSolution, this); });
    connect(manual, &QAction::triggered, this,
            &TAfficheEscalierTabEchelonne::Saisirunescalier1Click);

    PopupMenuSaisieEscalier = new QMenu(this);
    PopupMenuSaisieEscalier->setObjectName(QStringLiteral("PopupMenuSaisieEscalier"));
    QAction* addTour =
        PopupMenuSaisieEscalier->addAction(QStringLiteral("Ajouter un tour à l'escalier"),
                                           [this] { entry_.Ajouteruntourlescalier1Click(); });
    addTour->setObjectName(QStringLiteral("Ajouteruntourlescalier1"));
    QAction* deleteTour =
        PopupMenuSaisieEscalier->addAction(QStringLiteral("Supprimer ce tour d'escalier"),
                                           [this] { entry_.Supprimercetourdescalier1Click(); });
    deleteTour->setObjectName(QStringLiteral("Supprimercetourdescalier1"));
    connect(Mettreenplacecettesolution1, &QAction::triggered, this,
            &TAfficheEscalierTabEchelonne::SpeedButton1AccepterClick);
    connect(bracket, &QAction::triggered, this,
            &TAfficheEscalierTabEchelonne::SpeedButton1SqueletteClick);
}

void TAfficheEscalierTabEchelonne::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window shown again after being minimised is not shown anew.
    if (event->spontaneous()) {
        return;
    }
    logic_.FormShow();
    refresh();
    ScrollBox1->setFocus();
}

void TAfficheEscalierTabEchelonne::keyPressEvent(QKeyEvent* event) {
    if (FormKeyPress(event->text()) || FormKeyDown(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAfficheEscalierTabEchelonne::Saisirunescalier1Click() {
    entry_.Saisirunescalier1Click();
}

// The entry's labels open the entry's menu; the rest of the page the view's own.
void TAfficheEscalierTabEchelonne::contextMenu(const QPoint& at) {
    const QString name = ScrollBox1->nameAt(at);
    QMenu* menu =
        entry_.Shown() && EntryNames::isActive(name) ? PopupMenuSaisieEscalier : PopupMenu1;
    menu->exec(ScrollBox1->viewport()->mapToGlobal(at));
}

bool TAfficheEscalierTabEchelonne::FormKeyPress(const QString& text) {
    return text.size() == 1 && entry_.KeyPress(text.front());
}

bool TAfficheEscalierTabEchelonne::FormKeyDown(int key) {
    const auto pressed = static_cast<Qt::Key>(key);
    if (entry_.KeyDown(pressed)) {
        return true;
    }
    const bool handled = logic_.KeyDown(pressed);
    if (handled) {
        refresh();
    }
    return handled;
}

void TAfficheEscalierTabEchelonne::navigate(void (StaircaseViewLogic::*step)()) {
    (logic_.*step)();
    refresh();
}

void TAfficheEscalierTabEchelonne::refresh() {
    SpeedButtonProgPrecedente->setEnabled(logic_.PreviousEnabled);
    SpeedButtonProgSuivante->setEnabled(logic_.NextEnabled);
}

// The working table is opened and closed by each construction and copy, so closing the
// window has no table left to close.
void TAfficheEscalierTabEchelonne::SpeedButton1AccepterClick() {
    // Accepting builds the skeleton too: of the entered staircase as it stands.
    if (state_.ManualEntry) {
        entry_.AfficheInfoEscalierSaisi();
    }
    if (SolutionAcceptance::Accept(state_, logic_.TourCount, TableLocations::Of(host_), prompter_,
                                   cursor_)) {
        accept();
    }
}

// The bracket view opens even when the staircase could not be wholly placed: the user sees
// where it went wrong. A working table that could not be written has nothing to show, and
// its message has been given. Accepting in the bracket view is accepting here: the same
// question, and the skeleton built once more before it is copied.
void TAfficheEscalierTabEchelonne::SpeedButton1SqueletteClick() {
    {
        BusyCursorScope wait(cursor_);
        // The entered staircase is evaluated as it stands, complete or not.
        if (state_.ManualEntry) {
            entry_.AfficheInfoEscalierSaisi();
        }
        StaggeredSkeleton skeleton(state_, logic_.TourCount, TableLocations::Of(host_), prompter_);
        if (!skeleton.TraiteSqueletteTableau()) {
            return;
        }
    }
    if (windows_.showStaggeredBracket(logic_.CurrentSolution, SpeedButton1Accepter->isEnabled(),
                                      this)) {
        SpeedButton1AccepterClick();
    }
}

// The program has no help file: the view explains itself in a message.
QString TAfficheEscalierTabEchelonne::HelpText() {
    return QStringLiteral(
        "Escalier d'un tableau à entrées échelonnées\n\n"
        "Chaque colonne est un tour, compté depuis la fin du tableau : le tour 1, à droite, "
        "est le dernier, et ses gagnants sont les qualifiés sortants. En haut d'une colonne, "
        "les places du tour et sa flèche ; dessous, les joueurs qui entrent à ce tour, par "
        "classement, « q » pour les qualifiés entrants, puis les compressions du tour ; le "
        "dernier nombre est celui des gagnants qui passent au tour suivant.\n"
        "À droite : l'effectif de chaque classement, les qualifiés entrants, le total, les "
        "qualifiés sortants (ou le dernier tour d'un tableau final) et les couples "
        "indissociables.\n"
        "Une solution où un classement, ou les qualifiés entrants, entrent sur plus de deux "
        "tours est incorrecte : elle est retirée des solutions.\n\n"
        "Page précédente ou Flèche gauche : solution précédente.\n"
        "Page suivante ou Flèche droite : solution suivante.\n"
        "Début : première solution ; Fin : dernière solution.\n"
        "« Squelette du tableau » construit le tableau de la solution et l'affiche.\n"
        "« Accepter » met la solution en place dans le tableau de l'application hôte.\n\n"
        "Saisie d'un escalier (« Saisir un escalier » du menu, ou « Escalier » de "
        "l'assistant) : Flèche bas place le joueur suivant du classement en vert dans le "
        "tour en cours, Flèche haut le rend, Q place un qualifié entrant, Ins ajoute un tour, "
        "Suppr retire le dernier. Un classement se glisse aussi sur un tour ou sur une "
        "ligne, une ligne sur son classement ; + et - déplacent un joueur de plus entre les "
        "deux libellés du dernier glisser. Le menu des libellés ajoute ou supprime un tour.");
}
