#pragma once

#include "BracketEditor.h"
#include "BracketGeometry.h"
#include "BracketSettings.h"
#include "FontSettings.h"
#include "InformationPanel.h"
#include "NotesBox.h"
#include "RulesVerification.h"

#include <QString>

#include <memory>
#include <optional>

class BusyCursor;
class HostInterface;
class Page;
class Prompter;
class RecordTable;
class StaircaseState;
struct TableProperties;

// What the bracket view does, without its window: it lays the draw table of its kind
// out as a bracket on its page, with the information panel of that kind of draw, and
// redisplays, zooms and answers clicks on the panel. The window forwards its commands
// here and shows the page.
class TableauPrevisualise {
public:
    // Reads the display settings of the program's directory.
    TableauPrevisualise(Page& page, StaircaseState& state, const HostInterface& host,
                        Prompter& prompter, BusyCursor& cursor);
    ~TableauPrevisualise();

    static QString Caption() { return QStringLiteral("Visualisation du squelette du tableau"); }
    static QString HelpText();

    BracketSettings& settings() { return settings_; }
    const BracketSettings& settings() const { return settings_; }
    const BracketGeometry& geometry() const { return geometry_; }
    void setGeometry(const BracketGeometry& geometry) { geometry_ = geometry; }
    Page& page() { return page_; }
    const Page& page() const { return page_; }
    StaircaseState& state() { return state_; }
    const StaircaseState& state() const { return state_; }
    // The draw table the page shows; none before the first layout.
    RecordTable* table() const { return table_.get(); }
    // The drops, clicks and undoable edits of the bracket.
    BracketEditor& editor() { return *editor_; }
    const FontSettings& fonts() const { return fonts_; }
    const NotesBox& notes() const { return notes_; }
    // The byes and the players of round 1 of the line-start draw shown.
    const LineStartFigures& lineStartFigures() const { return lineStart_; }
    QString tableName() const;

    // Opens the table of the draw kind again and takes the geometry from its lines.
    void ResetGeometry(int dimension);
    // Lays the bracket of the dimension out (the table reopened first when asked).
    void LayoutBracket(int dimension, bool reopen);
    // The line-start panel; the byes and the players of round 1 are kept for later
    // redisplays, the other figures go into the state.
    void LineStartPanel(const LineStartFigures& figures);
    void StaggeredPanel();
    // The openings: the bracket laid out with the table reopened, then the panel. A
    // line-start draw's figures go into the state first, so that the layout shows the
    // lines of its own outgoing qualifiers rather than those of an earlier draw.
    void OpenLineStart(const LineStartFigures& figures);
    void OpenStaggered();
    // "Réafficher le tableau": the page rebuilt from the table, under the busy cursor.
    void FullRedisplay(bool reopen);

    // "Vérifier les règles et recommandations": a full redisplay with the table reopened,
    // then the findings of the rules check marked on it. The ranking order list is the
    // program's unless another one is given.
    RulesVerification::Report CheckRules(std::optional<QString> rankingOrderPath = std::nullopt);
    // The mouse entered the rules banner: its hint is built again from the host's table.
    void BannerEntered();

    void ZoomIn();   // "Zoom plus": 120 / 100
    void ZoomOut();  // "Zoom moins": 80 / 100
    // The page scaled by percent / 100, then the panel given back its tops.
    void Zoom(int percent);
    // The page changed size: the panel gets back its tops.
    void Resized();

    // What the properties dialog shows when it opens.
    TableProperties Properties() const;
    // The dialog closed with OK: its settings, its geometry, then a full redisplay that
    // reopens the table only at 100 %.
    void ApplyProperties(const TableProperties& properties);

    // "Augmenter les dimensions du tableau": a first round added before the draw, then
    // a full redisplay; one step of the undo history. False, with a message, when it
    // could not be done.
    bool AddRound();
    // "Diminuer les dimensions du tableau": takes off the first round, while a round
    // added in this view remains; one step of the undo history. False, with a message,
    // when it could not be done.
    bool RemoveRound();
    int AddedRounds() const { return addedRounds_; }
    // Undo and redo give back the count with the table.
    void setAddedRounds(int count) { addedRounds_ = count; }
    bool CanRemoveRound() const { return addedRounds_ > 0; }
    // A click on the byes or round-1 figures shows or hides their explanations.
    void ItemClicked(const QString& name);

private:
    void addBanner();
    void keepFigures() const;
    LineTally tally();
    LineStartFigures redisplayedFigures() const;
    RecordTable* openTable();
    bool dimensionChanged(int dimension);
    bool addRound();
    bool removeRound();

    Page& page_;
    StaircaseState& state_;
    const HostInterface& host_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    FontSettings fonts_;
    BracketSettings settings_;
    BracketGeometry geometry_;
    std::unique_ptr<RecordTable> table_;
    NotesBox notes_;
    int panelTop_ = InformationPanel::StaggeredTop;
    LineStartFigures lineStart_;  // the byes and the players of round 1 last shown
    int addedRounds_ = 0;         // first rounds added since the view opened
    std::unique_ptr<BracketEditor> editor_;
};
