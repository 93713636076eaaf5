#pragma once

#include "InformationPanel.h"
#include "TableauPrevisualise.h"

#include "page/Page.h"

#include <QDialog>

class BusyCursor;
class HostInterface;
class PageView;
class Prompter;
class QAction;
class QMenu;
class QToolBar;
class StaircaseState;
class TDlgMetInformations;
class WindowFactory;

// The bracket view: the page of the bracket and its information panel under a tool bar,
// opened modally and maximised by the line-start wizard and by the staircase view. It
// closes accepted ("Accepter") or not ("Fermer", the close box). Everything it computes
// is in TableauPrevisualise.
class TTableauPrevisualise : public QDialog {
    Q_OBJECT

public:
    TTableauPrevisualise(const HostInterface& host, StaircaseState& state, Prompter& prompter,
                         BusyCursor& cursor, QWidget* parent = nullptr);
    ~TTableauPrevisualise() override;

    // The line-start wizard's opening: empty branches shown, the figures of the wizard,
    // its seeds numbered.
    void OpenLineStart(const LineStartFigures& figures, bool acceptEnabled);
    // The staircase view's opening, with the settings of StaggeredOpening.
    void OpenStaggered(const BracketSettings& settings, bool acceptEnabled);
    // Shows the view modally; true when it closed with "Accepter".
    bool ShowModal();

    // The staircase view's "Squelette du tableau" and "Visualiser le tableau", once the
    // skeleton is built into "Tmpaaaa.db": the question of StaggeredOpening, then the
    // view on the draw of the state's Dimension with the solution shown. True when the
    // user accepted the draw (the caller then runs its own acceptance).
    static bool ShowStaggered(const HostInterface& host, StaircaseState& state, Prompter& prompter,
                              BusyCursor& cursor, int currentSolution, bool acceptEnabled,
                              QWidget* parent = nullptr, WindowFactory* windows = nullptr);

    TableauPrevisualise& logic() { return logic_; }
    Page& page() { return page_; }
    PageView* pageView() const { return ScrollBox1Page; }
    TDlgMetInformations* seedDialog() const { return DlgMetInformations; }
    // The windows the view opens in other folders: with them, its print commands work.
    void setWindowFactory(WindowFactory* windows);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void print();
    void createToolBar();
    void createMenu();
    QAction* addTool(const QIcon& icon, const char* name, const QString& hint);
    QAction* addMenuItem(const char* name, const QString& caption);
    void help();
    void showProperties();
    void showDimensionCommands();
    void connectEditing();

    Page page_;
    TableauPrevisualise logic_;
    Prompter& prompter_;
    WindowFactory* windows_ = nullptr;
    QToolBar* ToolBar1 = nullptr;
    PageView* ScrollBox1Page = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* SpeedButtonProgPrecedente = nullptr;
    QAction* SpeedButtonProgSuivante = nullptr;
    QAction* SpeedButton1ProprieteTab = nullptr;
    QAction* SpeedButton1SupprimerTab = nullptr;
    QAction* SpeedButton2ReafficheTab = nullptr;
    QAction* SpeedButton1 = nullptr;
    QAction* SpeedButtonPrint = nullptr;
    QAction* SpeedButton1Accepter = nullptr;
    QAction* SpeedButton3 = nullptr;
    QAction* SpeedButton3Aide = nullptr;
    QAction* Diminuerlesdimensionsdutableau1 = nullptr;
    QAction* SpeedButtonAnnuler = nullptr;
    QAction* SpeedButtonRetablir = nullptr;
    TDlgMetInformations* DlgMetInformations = nullptr;
};
