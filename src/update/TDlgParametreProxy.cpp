#include "TDlgParametreProxy.h"

#include "CharacterFilter.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* navyLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: navy;"));
    return label;
}

QLineEdit* field(const QString& text, const QString& allowed, const QString& hint, const char* name,
                 QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new CharacterFilter(allowed, edit));
    edit->setToolTip(hint);
    return edit;
}

}  // namespace

TDlgParametreProxy::TDlgParametreProxy(const ProxyForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setWindowTitle(QStringLiteral("Paramètres Proxy"));
    setFixedSize(219, 160);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    Label1 = navyLabel(QStringLiteral("Adresse IP serveur proxy"), "Label1", bevel);
    EditAdresseIPProxy = field(form.address, ProxyForm::AddressCharacters(),
                               QStringLiteral("Adresse IP du Proxy, si vide pas d'utilisation "
                                              "du Proxy"),
                               "EditAdresseIPProxy", bevel);
    Label2 = navyLabel(QStringLiteral("Port"), "Label2", bevel);
    EditPortProxy = field(form.port, ProxyForm::PortCharacters(), QStringLiteral("Port du Proxy"),
                          "EditPortProxy", bevel);
    auto* fields = new QGridLayout(bevel);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(EditAdresseIPProxy, 1, 0);
    fields->addWidget(Label2, 2, 0);
    fields->addWidget(EditPortProxy, 3, 0);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &TDlgParametreProxy::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

ProxyForm TDlgParametreProxy::form() const {
    return {EditAdresseIPProxy->text(), EditPortProxy->text()};
}

void TDlgParametreProxy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    EditAdresseIPProxy->setFocus();
}

void TDlgParametreProxy::OKBtnClick() {
    if (form().check(prompter_)) {
        accept();
    }
}
