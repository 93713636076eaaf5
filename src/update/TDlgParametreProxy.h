#pragma once

#include "ProxyForm.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class Prompter;

// The proxy dialog: the address and port of an HTTP proxy for the update check. The
// fields keep only the characters they take; OK closes the dialog only when the form
// passes its checks (ProxyForm), each failure told through the prompter.
class TDlgParametreProxy : public QDialog {
    Q_OBJECT

public:
    TDlgParametreProxy(const ProxyForm& form, Prompter& prompter, QWidget* parent = nullptr);

    ProxyForm form() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OKBtnClick();

    Prompter& prompter_;
    QLabel* Label1 = nullptr;
    QLineEdit* EditAdresseIPProxy = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditPortProxy = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
