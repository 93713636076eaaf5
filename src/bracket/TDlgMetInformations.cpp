#include "TDlgMetInformations.h"

#include "SeedNumberField.h"

#include "core/Prompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDlgMetInformations::TDlgMetInformations(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("TDlgMetInformations"));
    setWindowTitle(SeedNumberField::Caption());
    Label1 = new QLabel(SeedNumberField::Prompt(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1TeteSerie = new QLineEdit(this);
    Edit1TeteSerie->setObjectName(QStringLiteral("Edit1TeteSerie"));
    Edit1TeteSerie->installEventFilter(this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Supprimer"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Edit1TeteSerie, 1, 0, 1, 2);
    layout->addWidget(OKBtn, 2, 0);
    layout->addWidget(CancelBtn, 2, 1);
    connect(OKBtn, &QPushButton::clicked, this, &TDlgMetInformations::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        answer_ = {Answer::Ending::Remove, 0};
        done(QDialog::Rejected);
    });
}

SeedDialog::Answer TDlgMetInformations::Ask(const QString& text) {
    answer_ = {};  // the close box
    Edit1TeteSerie->setText(text);
    Edit1TeteSerie->selectAll();
    Edit1TeteSerie->setFocus();
    exec();
    return answer_;
}

void TDlgMetInformations::OKBtnClick() {
    SeedNumberField field(Edit1TeteSerie->text());
    const std::optional<int> number = field.Ok();
    if (!number) {
        QApplication::beep();
        prompter_.warning(SeedNumberField::Error());
        return;
    }
    Edit1TeteSerie->setText(field.text());
    answer_ = {Answer::Ending::Ok, *number};
    done(QDialog::Accepted);
}

// Keys that type a character other than a digit, a comma or backspace beep and are
// dropped; the keys that move or delete pass.
bool TDlgMetInformations::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1TeteSerie && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !SeedNumberField::Accepted(text.at(0))) {
            QApplication::beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
