#include "TableauPrevisualise.h"

#include "BracketColors.h"
#include "BracketLayout.h"
#include "DrawDimensions.h"
#include "ItemKeys.h"
#include "LineTally.h"
#include "PageScaling.h"
#include "TableProperties.h"

#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/Prompter.h"
#include "core/RankingLadder.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawExchange.h"
#include "drawtable/RankingOrderList.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"
#include "page/Page.h"

TableauPrevisualise::TableauPrevisualise(Page& page, StaircaseState& state,
                                         const HostInterface& host, Prompter& prompter,
                                         BusyCursor& cursor)
    : page_(page),
      state_(state),
      host_(host),
      prompter_(prompter),
      cursor_(cursor),
      fonts_(FontSettings::Read(host.InstallPath(FontSettings::FileName()))),
      editor_(std::make_unique<BracketEditor>(*this)) {}

TableauPrevisualise::~TableauPrevisualise() = default;

// The program has no help file of the rules: the view explains itself in a message.
QString TableauPrevisualise::HelpText() {
    return QStringLiteral(
        "Visualisation du squelette du tableau\n\n"
        "Le tableau montre une colonne par tour, une ligne par place, avec ce que porte "
        "chaque ligne : classement, tête de série (numéro entouré), qualifié entrant (q) "
        "ou qualifié sortant (Q).\n"
        "À droite, les informations du tableau et l'effectif : pour chaque classement, "
        "les joueurs déjà placés sur le nombre de joueurs.\n\n"
        "Zoom plus, Zoom moins : agrandir ou réduire l'affichage.\n"
        "Réafficher le tableau : redessiner le tableau à sa taille d'origine.\n"
        "Accepter : mettre en place ce tableau dans le tableau de l'application.\n"
        "Fermer : quitter sans mettre en place le tableau.");
}

QString TableauPrevisualise::tableName() const {
    return settings_.Kind == BracketSettings::DrawKind::LineStart ? TableNames::LineDraw
                                                                  : TableNames::StaggeredDraw;
}

// A table that cannot be opened is told, and the bracket drawn empty at the geometry of
// a full table of the dimension.
void TableauPrevisualise::ResetGeometry(int dimension) {
    table_ =
        std::make_unique<RecordTable>(TableLayout::DrawLine(), host_.DataLocation, tableName());
    int lines = 0;
    if (table_->Open()) {
        lines = table_->RecordCount();
    } else {
        prompter_.warning(table_->errorText());
        lines = 2 * dimension - 1;
    }
    geometry_ = BracketGeometry::FromLineCount(lines);
}

void TableauPrevisualise::LayoutBracket(int dimension, bool reopen) {
    if (reopen || table_ == nullptr) {
        ResetGeometry(dimension);
    }
    addBanner();
    BracketLayout::Inputs inputs{settings_, geometry_, host_.EntrantNamesOnly,
                                 state_.QualifiersOut};
    BracketLayout(page_, *table_, fonts_, inputs).LayoutBracket(dimension);
}

// The rules banner stands hidden at the top left of the page until a rules check shows
// it.
void TableauPrevisualise::addBanner() {
    PageItem banner;
    banner.name = ItemKeys::Banner;
    banner.text = QStringLiteral("<< REGLES Non Respectées >>");
    banner.font.family = QStringLiteral("Comic Sans MS");
    banner.textColor = BracketColors::Navy;
    banner.background = BracketColors::Red;
    banner.cursor = Qt::WhatsThisCursor;
    banner.visible = false;
    page_.add(std::move(banner));
}

LineTally TableauPrevisualise::tally() {
    return table_ != nullptr ? LineTally::Of(*table_) : LineTally();
}

void TableauPrevisualise::LineStartPanel(const LineStartFigures& figures) {
    lineStart_ = figures;
    panelTop_ = InformationPanel::LineStartTop;
    const LineTally lines = tally();
    InformationPanel(page_, state_, lines, settings_.SeedCount).LineStart(figures, notes_);
    notes_.place(page_, panelTop_);  // over the panel when shown
}

void TableauPrevisualise::StaggeredPanel() {
    panelTop_ = InformationPanel::StaggeredTop;
    const LineTally lines = tally();
    InformationPanel(page_, state_, lines, settings_.SeedCount)
        .StaggeredEntry(settings_.SolutionNumber);
}

// A redisplay shows the byes and the players of round 1 as the panel last showed them,
// and the other figures as the state holds them now.
LineStartFigures TableauPrevisualise::redisplayedFigures() const {
    LineStartFigures figures = lineStart_;
    figures.LineQualifiersIn = state_.QualifiersIn;
    figures.GridPlayers = state_.TotalPlayers - state_.QualifiersIn;
    figures.LineDimension = state_.Dimension;
    figures.LineQualifiersOut = state_.QualifiersOut;
    return figures;
}

void TableauPrevisualise::OpenLineStart(const LineStartFigures& figures) {
    const Page::Batch batch(page_);
    state_.QualifiersOut = static_cast<std::int16_t>(figures.LineQualifiersOut);
    LayoutBracket(figures.LineDimension, true);
    LineStartPanel(figures);
    keepFigures();
}

void TableauPrevisualise::OpenStaggered() {
    const Page::Batch batch(page_);
    LayoutBracket(state_.Dimension, true);
    StaggeredPanel();
    keepFigures();
}

void TableauPrevisualise::FullRedisplay(bool reopen) {
    BusyCursorScope busy(cursor_);
    const Page::Batch batch(page_);
    page_.clear();
    LayoutBracket(state_.Dimension, reopen);
    if (settings_.Kind == BracketSettings::DrawKind::LineStart) {
        LineStartPanel(redisplayedFigures());
    } else {
        StaggeredPanel();
    }
    keepFigures();
}

// The data folder keeps the figures of the draw shown beside its table, so that the
// command line can export that draw later. The table is what the user works on: a
// figures file that cannot be written is no reason to interrupt the view.
void TableauPrevisualise::keepFigures() const {
    const DrawExchange::View view{settings_.Kind == BracketSettings::DrawKind::LineStart
                                      ? DrawFile::Kind::LineStart
                                      : DrawFile::Kind::Staggered,
                                  settings_.HideEmptyBranches,
                                  settings_.SeedCount,
                                  settings_.SolutionNumber,
                                  lineStart_.Byes,
                                  lineStart_.NonByes};
    DrawExchange::SaveFigures(host_.DataLocation, state_, view);
}

// The rule tables belong to the host: they stand beside its draw table.
RulesVerification::Report TableauPrevisualise::CheckRules(std::optional<QString> rankingOrderPath) {
    FullRedisplay(true);
    const RulesVerification::Places places{
        rankingOrderPath.value_or(host_.InstallPath(RankingOrderList::FileName)),
        host_.WorkingDirectory};
    return RulesVerification(page_, fonts_, prompter_, cursor_)
        .HighlightFindings(*table_, state_.Dimension, state_.QualifiersOut, places);
}

void TableauPrevisualise::ZoomIn() {
    const Page::Batch batch(page_);
    PageScaling::Scale(page_, 120, 100);
    PageScaling::RestoreTops(page_);
}

void TableauPrevisualise::ZoomOut() {
    const Page::Batch batch(page_);
    PageScaling::Scale(page_, 80, 100);
    PageScaling::RestoreTops(page_);
}

void TableauPrevisualise::Resized() {
    PageScaling::RestoreTops(page_);
}

void TableauPrevisualise::ItemClicked(const QString& name) {
    if (name == QStringLiteral("Info3") || name == QStringLiteral("Info4") ||
        name == QStringLiteral("Info5")) {
        notes_.toggle(page_, panelTop_);
    }
}

TableProperties TableauPrevisualise::Properties() const {
    return TableProperties::Of(settings_, state_.Dimension);
}

void TableauPrevisualise::ApplyProperties(const TableProperties& properties) {
    properties.ApplyTo(settings_);
    geometry_ = properties.Geometry();
    if (!properties.Reopens() && table_ == nullptr) {
        // The geometry of the dialog stays: the table is opened without taking its own.
        openTable();
    }
    FullRedisplay(properties.Reopens());
}

// The table of the view, opened when no layout has opened it yet; null, with the
// warning told, when it cannot be opened.
RecordTable* TableauPrevisualise::openTable() {
    if (table_ == nullptr || !table_->isOpen()) {
        table_ =
            std::make_unique<RecordTable>(TableLayout::DrawLine(), host_.DataLocation, tableName());
        if (!table_->Open()) {
            prompter_.warning(table_->errorText());
            table_.reset();
        }
    }
    return table_.get();
}

// The new dimension into the state and the bracket drawn again from the table; a
// failed write has left the table as it was and is told.
bool TableauPrevisualise::dimensionChanged(int dimension) {
    if (dimension == 0) {
        prompter_.warning(table_->errorText());
        return false;
    }
    state_.Dimension = static_cast<std::int16_t>(dimension);
    FullRedisplay(true);
    return true;
}

bool TableauPrevisualise::AddRound() {
    // The program's draws go up to 1024 entries: the rounds, the report and the rules
    // know no bigger one.
    if (2 * state_.Dimension > RankingLadder::LargestDraw) {
        prompter_.warning(QStringLiteral("Le tableau ne peut pas dépasser %1 entrées.")
                              .arg(RankingLadder::LargestDraw));
        return false;
    }
    RecordTable* table = openTable();
    if (table == nullptr ||
        !dimensionChanged(DrawDimensions::AddFirstRound(*table, state_.Dimension))) {
        return false;
    }
    ++addedRounds_;
    return true;
}

bool TableauPrevisualise::RemoveRound() {
    if (!CanRemoveRound()) {
        return false;
    }
    RecordTable* table = openTable();
    if (table == nullptr ||
        !dimensionChanged(DrawDimensions::RemoveFirstRound(*table, state_.Dimension))) {
        return false;
    }
    --addedRounds_;
    return true;
}
