#pragma once

#include "SeedDialog.h"

#include <QDialog>

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// The seed dialog: the seed number of a line, typed with digits only. OK takes a number
// ("Erreur de saisie numérique !!" otherwise, and the dialog stays open); "Supprimer"
// takes the seed away; the close box changes nothing. Made once with the bracket view.
class TDlgMetInformations : public QDialog, public SeedDialog {
    Q_OBJECT

public:
    explicit TDlgMetInformations(Prompter& prompter, QWidget* parent = nullptr);

    Answer Ask(const QString& text) override;

    QLineEdit* edit() const { return Edit1TeteSerie; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OKBtnClick();

    Prompter& prompter_;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1TeteSerie = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    Answer answer_;
};
