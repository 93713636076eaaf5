#pragma once

#include "MajInternet.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

// The update window. Its logic (MajInternet) runs the automatic check and the
// download; the window forwards its buttons there and shows the memo, the title, the
// progress and the buttons each time the logic moves. The requests run on the event
// loop, so the window stays responsive and "Annuler" stops the request under way.
class TForm1MAJInternet : public QDialog {
    Q_OBJECT

public:
    // The dialog's result when the window closes without an Internet connection.
    static constexpr int AbortResult = 3;

    TForm1MAJInternet(const MajInternet::Options& options, Prompter& prompter, BusyCursor& cursor,
                      UpdateLauncher& launcher, QWidget* parent = nullptr);

    // The check of the start-up: the window shows itself only when the user accepts a
    // found update, and stays open until it is closed.
    void AutoCheck();
    const MajInternet& logic() const { return logic_; }
    // An update program was started: the program ends.
    bool quitRequested() const { return logic_.quitRequested(); }

    void reject() override;

private:
    void createControls();
    void refresh();
    void OKBtnClick();
    void SpeedButton1ProxyClick();
    // Closes the window as the logic asks, or as "Annuler" asked during a request.
    void closeAsAsked();

    MajInternet logic_;
    Prompter& prompter_;
    bool closeWhenDone_ = false;

    QLabel* Label1InfoTelecharge = nullptr;
    QPlainTextEdit* Memo1Informations = nullptr;
    QLabel* Label1Titre = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QToolButton* SpeedButton1Proxy = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
