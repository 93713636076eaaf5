#pragma once

#include "EntryEvaluation.h"
#include "EntryPage.h"

#include <QString>
#include <Qt>

#include <optional>

class Page;
class Prompter;
class StaircaseState;
class StaircaseViewLogic;

// The staircase entered by hand in the staircase view: a pool of the entered players,
// one label per ranking, and a staircase that starts with the last tour and descends to
// the left. The user moves players from the pool into the current tour with the keys,
// the mouse or the context menu, adds and deletes tours. The staircase lives in the
// page's labels: their names say where they stand, their texts carry the numbers, and
// every operation reads the numbers back from the texts (EntryLabelText).
//
// Each move is all or nothing: a move that cannot be done (a line that is not the
// lowest given back, a staircase beyond 24 rows or 9 tours, a number beyond -9 to 99)
// changes nothing, selection included, and only its message is shown. Once every ranked
// player is placed, every move that changed the screen ends with the evaluation of the
// staircase, so that it always describes the staircase on the screen.
class StaircaseEntry {
public:
    static constexpr int MaxRows = EntryPage::MaxRows;
    static constexpr int MaxTours = 9;
    static constexpr int QualifierPool = 13;

    StaircaseEntry(StaircaseState& state, Page& page, Prompter& prompter, StaircaseViewLogic& view);

    // Why the entry screen cannot show this state (a number it could not read back), or
    // none when it can.
    static std::optional<QString> Refusal(const StaircaseState& state);
    static QString RowsMessage();
    static QString ToursMessage();
    static QString LowestLineMessage();

    // "Saisir un escalier": the pool and the header of tour 1 on an emptied page.
    void Saisirunescalier1Click();
    // Whether the page shows an entry: tour 1's header is on every entry screen and on
    // no solution display.
    bool Shown() const;

    // Down, Up, Q, Insert and Delete; false for any other key or when no entry is shown.
    bool KeyDown(Qt::Key key);
    // "+" and "-" with the selected label; false for any other character.
    bool KeyPress(QChar key);
    // Whether a drag of source may be dropped on target.
    bool Accepts(const QString& source, const QString& target) const;
    // A drag of source that ends on target, or without a target when target is empty or
    // refuses it; a click is a drag without a target.
    void Drag(const QString& source, const QString& target);
    void Ajouteruntourlescalier1Click();
    void Supprimercetourdescalier1Click();
    // The evaluation of the staircase on the screen into the state: its steps, its
    // solution figures, the dimension and the tour count, with its verdicts on the page.
    void AfficheInfoEscalierSaisi();
    // What the last evaluation wrote; none before the first one.
    const std::optional<EntryEvaluation::Result>& LastEvaluation() const { return evaluated_; }

    int EntryTours = 1;
    int EntryRow = 0;
    QString DragSource;
    int DragSourceTag = 0;
    QString DraggedRanking;
    int DraggedCount = 0;
    int DraggedTotal = 0;
    QString SelectedLabel;

private:
    struct Members;
    struct Snapshot;

    template <typename Body>
    void move(Body body);
    Members members() const;
    void setMembers(const Members& saved);

    QString AjouteLabelPlus(int top, int left, int tag, const QString& name, const QString& text,
                            bool withArrow, bool active);
    void ChercheClassementEffectifAMettre();
    QString GereEffectif(const QString& name, int delta);
    QString GereEscalier(const QString& name, int delta);
    void addTour();
    void deleteTour();
    void down();
    void up();
    void plusMinus(int delta);
    void startDrag(const QString& source);
    void endDrag(const QString& target);
    void clickRule(const QString& clicked);
    void addOnePlayer(const QString& line);
    void newLine(int row, const QString& ranking, int tag);

    void destroy(const QString& name);
    void lowerLineToZero(const QString& line);
    static int column(int tour) { return 430 - 55 * (tour - 1); }
    static int rowTop(int row) { return 15 * row + 50; }

    StaircaseState& state_;
    Page& page_;
    EntryPage screen_;
    Prompter& prompter_;
    StaircaseViewLogic& view_;
    std::optional<EntryEvaluation::Result> evaluated_;
};
