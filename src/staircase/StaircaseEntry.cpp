#include "StaircaseEntry.h"

#include "EntryLabelText.h"
#include "EntryNames.h"
#include "StaircaseDrawing.h"
#include "StaircaseViewLogic.h"
#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "core/TextFormat.h"
#include "page/Page.h"

namespace {

using namespace EntryNames;

const QColor Black(0, 0, 0);
const QColor Green(0, 128, 0);

}  // namespace

struct StaircaseEntry::Members {
    int entryTours;
    int entryRow;
    QString dragSource;
    int dragSourceTag;
    QString draggedRanking;
    int draggedCount;
    int draggedTotal;
    QString selectedLabel;
};

StaircaseEntry::StaircaseEntry(StaircaseState& state, Page& page, Prompter& prompter,
                               StaircaseViewLogic& view)
    : state_(state), page_(page), screen_(page), prompter_(prompter), view_(view) {}

QString StaircaseEntry::RowsMessage() {
    return QStringLiteral("Opération refusée : l'escalier ne peut pas dépasser 24 lignes.");
}

QString StaircaseEntry::ToursMessage() {
    return QStringLiteral("Opération refusée : l'escalier ne peut pas dépasser 9 tours.");
}

QString StaircaseEntry::LowestLineMessage() {
    return QStringLiteral("Vous devez enlever les classements du dessous avant.");
}

std::optional<QString> StaircaseEntry::Refusal(const StaircaseState& state) {
    // Every number of the screen is read back from two characters: a pool total or the
    // positions of tour 1 beyond them could not be counted down again.
    bool fits =
        EntryLabelText::fits(2 * state.QualifiersOut) && EntryLabelText::fits(state.QualifiersIn);
    for (int i = 1; i <= StaircaseState::RankingCount; ++i) {
        const RankingRow& row = state.Rankings[i];
        if (!row.Name.isEmpty() && !EntryLabelText::fits(row.Count)) {
            fits = false;
        }
    }
    return fits ? std::nullopt : std::optional<QString>(EntryLabelText::RangeMessage());
}

bool StaircaseEntry::Shown() const {
    return page_.contains(header(1));
}

StaircaseEntry::Members StaircaseEntry::members() const {
    return {EntryTours,     EntryRow,     DragSource,   DragSourceTag,
            DraggedRanking, DraggedCount, DraggedTotal, SelectedLabel};
}

void StaircaseEntry::setMembers(const Members& saved) {
    EntryTours = saved.entryTours;
    EntryRow = saved.entryRow;
    DragSource = saved.dragSource;
    DragSourceTag = saved.dragSourceTag;
    DraggedRanking = saved.draggedRanking;
    DraggedCount = saved.draggedCount;
    DraggedTotal = saved.draggedTotal;
    SelectedLabel = saved.selectedLabel;
}

template <typename Body>
void StaircaseEntry::move(Body body) {
    const Members before = members();
    const QList<PageItem> items = screen_.snapshot();
    screen_.startMove();
    try {
        body();
    } catch (const EntryPage::Refused& refused) {
        if (screen_.changed()) {
            screen_.restore(items);
        }
        setMembers(before);
        prompter_.message(refused.message);
        return;
    }
    // Evaluated once the move is over, so that the figures describe the staircase shown.
    if (screen_.changed() && screen_.rankedAllPlaced()) {
        AfficheInfoEscalierSaisi();
    }
}

// A label that is gone can no longer be the one selected or dragged.
void StaircaseEntry::destroy(const QString& name) {
    if (!screen_.remove(name)) {
        return;
    }
    if (SelectedLabel == name) {
        SelectedLabel.clear();
    }
    if (DragSource == name) {
        DragSource.clear();
        DragSourceTag = 0;
    }
}

// Only the lowest line may disappear: rows are never renumbered, so names stay unique.
void StaircaseEntry::lowerLineToZero(const QString& name) {
    if (lineRow(name) != EntryRow) {
        EntryPage::refuse(LowestLineMessage());
    }
    destroy(name);
    --EntryRow;
}

// --- the screen ---

QString StaircaseEntry::AjouteLabelPlus(int top, int left, int tag, const QString& name,
                                        const QString& labelText, bool withArrow, bool active) {
    PageItem label = PageItem::TextAt(name, left, top, labelText, PageFont{});
    label.tag = tag;
    if (labelText.size() == 1) {
        label.width = 15;
        label.alignment = Qt::AlignHCenter | Qt::AlignTop;
    }
    if (active) {
        label.cursor = Qt::PointingHandCursor;
        label.draggable = true;
        label.textColor = tag == 101 ? Green : Black;
    }
    screen_.add(label);
    if (withArrow) {
        screen_.add(PageItem::BarAt(arrowLine(name), left, top + 12, 15, 2));
        screen_.add(PageItem::TextAt(arrowLabel(name), left + 20, top, QStringLiteral("---->"),
                                     PageFont{}));
    }
    return name;
}

void StaircaseEntry::Saisirunescalier1Click() {
    Page::Batch batch(page_);
    view_.ClearPage();
    // A new entry starts with nothing selected or dragged.
    setMembers(Members{1, 0, QString(), 0, QString(), 0, 0, QString()});
    int r = 0;
    for (int i = 1; i <= StaircaseState::RankingCount; ++i) {
        const RankingRow& row = state_.Rankings[i];
        if (!row.Name.isEmpty()) {
            AjouteLabelPlus(15 * i + 10, 610, 100 + i, pool(i),
                            EntryLabelText::pool(0, row.Count, row.Name), false, true);
            r = i;
        }
    }
    if (state_.QualifiersIn > 0) {
        AjouteLabelPlus(15 * r + 25, 610, 101 + r, pool(QualifierPool),
                        EntryLabelText::pool(0, state_.QualifiersIn, QStringLiteral("q")), false,
                        true);
    }
    page_.add(PageItem::BarAt(QStringLiteral("TraitTotal"), 628, 15 * r + 40, 30, 2));
    page_.add(PageItem::TextAt(QStringLiteral("Total"), 631, 15 * r + 45,
                               TextFormat::format(QStringLiteral("%3.0d"), state_.TotalPlayers),
                               PageFont{}));
    StaircaseDrawing(page_, state_)
        .AffInfoQualifieSortant(15 * r + 70, QStringLiteral("AffInfoQualifieSortant"));
    const auto figure = [this](const QString& name, int top, int value, const QString& what) {
        page_.add(PageItem::TextAt(
            name, 620, top, TextFormat::format(QStringLiteral("%2.0d"), value) + what, PageFont{}));
    };
    if (state_.Couples > 0) {
        figure(QStringLiteral("Couples"), 15 * r + 90, state_.Couples, QStringLiteral("  Couples"));
        figure(QStringLiteral("Compressions"), 15 * r + 110, state_.Couples - state_.QualifiersOut,
               QStringLiteral("  Compres."));
    } else {
        figure(QStringLiteral("Compressions"), 15 * r + 110,
               state_.QualifiersIn - state_.QualifiersOut, QStringLiteral("  Compres."));
    }
    page_.change(StaircaseViewLogic::SolutionLabelName(),
                 [](PageItem& caption) { caption.text = QStringLiteral("Saisie d'un escalier"); });
    page_.change(StaircaseViewLogic::DrawLabelName(),
                 [](PageItem& caption) { caption.text.clear(); });
    page_.add(PageItem::TextAt(QStringLiteral("QualifieSortant"), 485, 50,
                               QString::number(state_.QualifiersOut) + QStringLiteral(" Q"),
                               PageFont{}));
    AjouteLabelPlus(50, 430, 201, header(1), EntryLabelText::header(1, 2 * state_.QualifiersOut),
                    true, true);
    evaluated_.reset();
}

// The first ranking that still has players is green, and the qualifiers once the
// ranked players they pair with are reached: the green label is the one to place next.
void StaircaseEntry::ChercheClassementEffectifAMettre() {
    bool found = false;
    int s = 0;
    for (int i = 1; i <= StaircaseState::RankingCount; ++i) {
        const QString name = pool(i);
        if (!screen_.contains(name)) {
            continue;
        }
        const int placed = screen_.number(name);
        const bool green = !found && placed < screen_.total(name);
        found = found || green;
        screen_.colour(name, green);
        s += placed;
    }
    const QString qualifiers = pool(QualifierPool);
    if (screen_.contains(qualifiers)) {
        screen_.colour(qualifiers, s >= state_.TotalPlayers - 2 * state_.QualifiersIn &&
                                       screen_.number(qualifiers) < screen_.total(qualifiers));
    }
}

QString StaircaseEntry::GereEffectif(const QString& name, int delta) {
    QString result;
    for (int i = 1; i <= QualifierPool; ++i) {
        const QString label = pool(i);
        if (!screen_.contains(label) ||
            (!name.isEmpty() && !EntryLabelText::holds(screen_.text(label), name))) {
            continue;
        }
        const int placed = screen_.number(label);
        const int total = screen_.total(label);
        // A player given back to a pool label that has none placed goes to the next
        // matching label, as a player taken from an exhausted one: with none, the pool
        // stays as it is.
        const bool takes = delta < 0 ? placed < total : placed > 0;
        if (!takes) {
            continue;
        }
        screen_.setPool(label, delta < 0 ? placed + 1 : placed - 1, total);
        result = EntryLabelText::ranking(screen_.text(label));
        break;
    }
    ChercheClassementEffectifAMettre();
    return result;
}

QString StaircaseEntry::GereEscalier(const QString& name, int delta) {
    if (!screen_.contains(header(EntryTours))) {
        return QString();
    }
    const QStringList lines = screen_.linesOf(EntryTours);
    for (qsizetype at = lines.size() - 1; at >= 0; --at) {
        const QString& line = lines[at];
        if (!name.isEmpty() && !EntryLabelText::holds(screen_.text(line), name)) {
            continue;
        }
        const QString ranking = EntryLabelText::ranking(screen_.text(line));
        const int count = screen_.number(line) + delta;
        if (count != 0) {
            screen_.setLine(line, count);
        } else {
            lowerLineToZero(line);
            if (lines.size() == 1) {
                deleteTour();
            }
        }
        return ranking;
    }
    if (!name.isEmpty()) {
        newLine(EntryRow + 1, name, 20 + EntryTours);
    }
    return QString();
}

void StaircaseEntry::newLine(int row, const QString& ranking, int tag) {
    if (row > MaxRows) {
        EntryPage::refuse(RowsMessage());
    }
    EntryRow = row;
    SelectedLabel = AjouteLabelPlus(rowTop(row), column(EntryTours), tag, line(EntryTours, row),
                                    EntryLabelText::line(1, ranking), false, true);
}

void StaircaseEntry::addTour() {
    if (EntryTours >= MaxTours) {
        EntryPage::refuse(ToursMessage());
    }
    if (EntryRow + 1 > MaxRows) {
        EntryPage::refuse(RowsMessage());
    }
    const int positions = screen_.number(header(EntryTours));
    int a = 0;
    int aq = 0;
    for (const QString& line : screen_.linesOf(EntryTours)) {
        const int count = screen_.number(line);
        a += count;
        if (screen_.text(line).contains(QStringLiteral("(q)"))) {
            aq += count;
        }
    }
    const int arriving = positions - a;
    if (!EntryLabelText::fits(arriving) || !EntryLabelText::fits(2 * arriving)) {
        EntryPage::refuse(EntryLabelText::RangeMessage());
    }
    ++EntryRow;
    const std::optional<int> compressions =
        a - aq != positions / 2 ? std::optional<int>(positions / 2 - a + aq) : std::nullopt;
    AjouteLabelPlus(rowTop(EntryRow), column(EntryTours), 200 + EntryTours, footer(EntryTours),
                    EntryLabelText::footer(arriving, compressions), false, false);
    ++EntryTours;
    // The positions left free are taken by the winners of the tour before, which has
    // twice as many positions.
    AjouteLabelPlus(rowTop(EntryRow), column(EntryTours), 200 + EntryTours, header(EntryTours),
                    EntryLabelText::header(EntryTours, 2 * arriving), true, true);
}

void StaircaseEntry::deleteTour() {
    if (EntryTours <= 1) {
        return;
    }
    for (const QString& line : screen_.linesOf(EntryTours)) {
        const QString ranking = EntryLabelText::ranking(screen_.text(line));
        const int count = screen_.number(line);
        destroy(line);
        --EntryRow;
        QString back;
        if (EntryLabelText::rankingName(ranking).trimmed() == QStringLiteral("q")) {
            back = pool(QualifierPool);
        } else {
            for (int i = 1; i <= StaircaseState::RankingCount && back.isEmpty(); ++i) {
                if (EntryLabelText::holds(screen_.text(pool(i)), ranking)) {
                    back = pool(i);
                }
            }
        }
        if (screen_.contains(back)) {
            screen_.setPool(back, screen_.number(back) - count, screen_.total(back));
        }
    }
    const QString shown = header(EntryTours);
    destroy(shown);
    destroy(arrowLine(shown));
    destroy(arrowLabel(shown));
    destroy(footer(EntryTours - 1));
    --EntryTours;
    --EntryRow;
    ChercheClassementEffectifAMettre();
}

// --- the moves ---

void StaircaseEntry::down() {
    const QString ranking = GereEffectif(QString(), -1);
    if (!ranking.isEmpty()) {
        GereEscalier(ranking, +1);
    }
}

void StaircaseEntry::up() {
    const QString ranking = GereEscalier(QString(), -1);
    if (!ranking.isEmpty()) {
        GereEffectif(ranking, +1);
    }
}

bool StaircaseEntry::KeyDown(Qt::Key key) {
    if (!Shown()) {
        return false;
    }
    switch (key) {
        case Qt::Key_Down:
            move([this] { down(); });
            return true;
        case Qt::Key_Up:
            move([this] { up(); });
            return true;
        case Qt::Key_Q:
            move([this] {
                const QString ranking = GereEffectif(QStringLiteral("(q)"), -1);
                if (!ranking.isEmpty()) {
                    GereEscalier(ranking, +1);
                }
            });
            return true;
        case Qt::Key_Insert:
            Ajouteruntourlescalier1Click();
            return true;
        case Qt::Key_Delete:
            Supprimercetourdescalier1Click();
            return true;
        default:
            return false;
    }
}

void StaircaseEntry::Ajouteruntourlescalier1Click() {
    if (Shown()) {
        move([this] { addTour(); });
    }
}

void StaircaseEntry::Supprimercetourdescalier1Click() {
    if (Shown()) {
        move([this] { deleteTour(); });
    }
}

bool StaircaseEntry::KeyPress(QChar key) {
    if (key != QLatin1Char('+') && key != QLatin1Char('-')) {
        return false;
    }
    if (Shown()) {
        move([this, key] { plusMinus(key == QLatin1Char('+') ? +1 : -1); });
    }
    return true;
}

void StaircaseEntry::plusMinus(int delta) {
    if (screen_.item(SelectedLabel) == nullptr || screen_.item(DragSource) == nullptr ||
        !EntryLabelText::holds(screen_.text(SelectedLabel), DraggedRanking)) {
        return;
    }
    QString poolLabel;
    QString lineLabel;
    if (isLine(SelectedLabel) && isPool(DragSource)) {
        poolLabel = DragSource;
        lineLabel = SelectedLabel;
    } else if (isPool(SelectedLabel) && isLine(DragSource)) {
        poolLabel = SelectedLabel;
        lineLabel = DragSource;
    } else {
        return;
    }
    const int placed = screen_.number(poolLabel);
    const int total = screen_.total(poolLabel);
    const int count = screen_.number(lineLabel);
    const bool lineSelected = lineLabel == SelectedLabel;
    // "+" needs a player left in the pool; "-" one placed, counted on the pool when the
    // line is selected and on the line when the pool label is.
    const bool works = delta > 0 ? placed < total : (lineSelected ? placed > 0 : count > 0);
    if (!works) {
        return;
    }
    screen_.setPool(poolLabel, placed + delta, total);
    if (count + delta != 0) {
        screen_.setLine(lineLabel, count + delta);
    } else {
        // Destroyed, the line is no longer the selected or the dragged label.
        lowerLineToZero(lineLabel);
    }
    ChercheClassementEffectifAMettre();
}

bool StaircaseEntry::Accepts(const QString& source, const QString& target) const {
    const PageItem* from = screen_.item(source);
    const PageItem* to = screen_.item(target);
    if (from == nullptr || to == nullptr || !isActive(source) || !isActive(target) ||
        to->tag == from->tag) {
        return false;
    }
    return isHeader(target) || EntryLabelText::holds(to->text, EntryLabelText::ranking(from->text));
}

void StaircaseEntry::Drag(const QString& source, const QString& target) {
    if (!Shown() || screen_.item(source) == nullptr || !isActive(source)) {
        return;
    }
    move([this, source, target] {
        const bool accepted = !target.isEmpty() && Accepts(source, target);
        startDrag(source);
        if (accepted) {
            endDrag(target);
        } else {
            SelectedLabel = source;
            clickRule(source);
        }
    });
}

void StaircaseEntry::startDrag(const QString& source) {
    const PageItem* dragged = screen_.item(source);
    DragSource = source;
    DragSourceTag = dragged->tag;
    DraggedRanking = EntryLabelText::ranking(dragged->text).left(10);
    DraggedCount = EntryLabelText::first(dragged->text).value_or(0);
    DraggedTotal = EntryLabelText::total(dragged->text).value_or(-1);
}

// A click on a pool label gives back a player of the current tour's lowest line, a click
// on a staircase line takes the next player of the pool; a header does nothing.
void StaircaseEntry::clickRule(const QString& clicked) {
    if (SelectedLabel != clicked) {
        return;
    }
    if (isPool(DragSource)) {
        up();
    } else if (isLine(DragSource)) {
        down();
    }
}

void StaircaseEntry::endDrag(const QString& target) {
    SelectedLabel = target;
    const bool fromPool = isPool(DragSource);
    bool done = false;
    // Players come from the pool only: a header or a line dragged onto a header or a line
    // adds nothing.
    if (isHeader(target) && fromPool) {
        for (const QString& line : screen_.linesOf(headerTour(target))) {
            if (EntryLabelText::holds(screen_.text(line), DraggedRanking)) {
                addOnePlayer(line);
                done = true;
            }
        }
    }
    if (isLine(target) && fromPool) {
        addOnePlayer(target);
        done = true;
    }
    if (!done && fromPool && DraggedCount < DraggedTotal && (isHeader(target) || isLine(target))) {
        const QString dragged = DragSource;
        newLine(EntryRow + 1, DraggedRanking, 20 + EntryTours);
        ++DraggedCount;
        screen_.setPool(dragged, DraggedCount, DraggedTotal);
        ChercheClassementEffectifAMettre();
    }
    // Only a staircase line goes back to the pool, and only the lowest one.
    if (isPool(target) && isLine(DragSource)) {
        if (lineRow(DragSource) != EntryRow) {
            EntryPage::refuse(LowestLineMessage());
        }
        const QString line = DragSource;
        // A pool that has no player placed has none to take back.
        if (screen_.number(target) <= 0) {
            return;
        }
        screen_.setPool(target, screen_.number(target) - 1, screen_.total(target));
        ChercheClassementEffectifAMettre();
        const int count = screen_.number(line) - 1;
        if (count != 0) {
            screen_.setLine(line, count);
        } else {
            lowerLineToZero(line);
        }
    }
}

void StaircaseEntry::addOnePlayer(const QString& line) {
    const std::optional<int> count = EntryLabelText::first(screen_.text(line));
    if (!count || DraggedCount >= DraggedTotal) {
        return;
    }
    ++DraggedCount;
    screen_.setLine(line, *count + 1);
    screen_.setPool(DragSource, DraggedCount, DraggedTotal);
    ChercheClassementEffectifAMettre();
}

void StaircaseEntry::AfficheInfoEscalierSaisi() {
    evaluated_ = EntryEvaluation::Run(page_, state_, view_, EntryTours, prompter_);
}
