#pragma once

#include "StaircaseEntry.h"
#include "StaircaseViewLogic.h"
#include "page/Page.h"

#include <QDialog>

class BusyCursor;
class HostInterface;
class PageView;
class Prompter;
class QAction;
class QMenu;
class QToolButton;
class StaircaseState;
class WindowFactory;

// The staircase view: the stored solutions of a staggered-entry search, one at a time,
// as a page of labels and lines under a bar of speed buttons. What it shows and which
// buttons are enabled come from StaircaseViewLogic; accepting a solution is
// SolutionAcceptance. "Squelette du tableau" builds the solution's skeleton and opens the
// bracket view on it. "Saisir un escalier" turns the page into the entry of a staircase
// by hand (StaircaseEntry), driven by the keys, the mouse and the labels' context menu.
// Printing ("Imprimer l'escalier") goes through the window factory.
class TAfficheEscalierTabEchelonne : public QDialog {
    Q_OBJECT

public:
    // The bracket view comes from the window factory.
    TAfficheEscalierTabEchelonne(const HostInterface& host, StaircaseState& state,
                                 Prompter& prompter, BusyCursor& cursor, WindowFactory& windows,
                                 QWidget* parent = nullptr);

    const StaircaseViewLogic& logic() const { return logic_; }
    const StaircaseEntry& entry() const { return entry_; }
    // "Saisir un escalier": the entry of a staircase by hand, before or after showing.
    void Saisirunescalier1Click();
    static QString HelpText();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* addSpeedButton(QWidget* bar, const char* name, const QIcon& icon,
                                const QString& tip, const QRect& place);
    void createSpeedBar();
    void createMenu();
    // Page Up, Left, Page Down, Right, End and Home; false for any other key.
    bool FormKeyDown(int key);
    // "+" and "-" of the entry; false for any other text.
    bool FormKeyPress(const QString& text);
    void contextMenu(const QPoint& at);
    void navigate(void (StaircaseViewLogic::*step)());
    // The enabled states of the two navigation buttons, as the logic left them.
    void refresh();
    void SpeedButton1AccepterClick();
    void SpeedButton1SqueletteClick();

    const HostInterface& host_;
    StaircaseState& state_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    WindowFactory& windows_;
    Page page_;
    StaircaseViewLogic logic_;
    StaircaseEntry entry_;

    QToolButton* SpeedButtonProgPrecedente = nullptr;
    QToolButton* SpeedButtonProgSuivante = nullptr;
    QToolButton* SpeedButton1Squelette = nullptr;
    QToolButton* SpeedButtonPrint = nullptr;
    QToolButton* SpeedButton1Accepter = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton3Aide = nullptr;
    PageView* ScrollBox1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Mettreenplacecettesolution1 = nullptr;
    QMenu* PopupMenuSaisieEscalier = nullptr;
};
