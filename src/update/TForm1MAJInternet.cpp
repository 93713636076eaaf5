#include "TForm1MAJInternet.h"

#include "TDlgParametreProxy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

// The proxy button's picture: a small globe.
QIcon globe() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 1.2));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.drawEllipse(QRectF(5, 1.5, 6, 13));
    painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    return QIcon(picture);
}

int barUnits(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

}  // namespace

TForm1MAJInternet::TForm1MAJInternet(const MajInternet::Options& options, Prompter& prompter,
                                     BusyCursor& cursor, UpdateLauncher& launcher, QWidget* parent)
    : QDialog(parent), logic_(options, prompter, cursor, launcher), prompter_(prompter) {
    setWindowTitle(QStringLiteral("Mise à Jour de l'Orvanel"));
    setFixedSize(476, 372);
    createControls();
    connect(&logic_, &MajInternet::changed, this, &TForm1MAJInternet::refresh);
    connect(OKBtn, &QPushButton::clicked, this, &TForm1MAJInternet::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TForm1MAJInternet::reject);
    connect(SpeedButton1Proxy, &QToolButton::clicked, this,
            &TForm1MAJInternet::SpeedButton1ProxyClick);
    refresh();
}

void TForm1MAJInternet::createControls() {
    Label1InfoTelecharge = new QLabel(QStringLiteral("Téléchargement et Mise à Jour"), this);
    Label1InfoTelecharge->setObjectName(QStringLiteral("Label1InfoTelecharge"));
    QFont heading = Label1InfoTelecharge->font();
    heading.setPointSize(14);
    heading.setBold(true);
    Label1InfoTelecharge->setFont(heading);

    Memo1Informations = new QPlainTextEdit(this);
    Memo1Informations->setObjectName(QStringLiteral("Memo1Informations"));
    Memo1Informations->setReadOnly(true);
    Memo1Informations->setFrameShape(QFrame::NoFrame);
    Memo1Informations->setBackgroundRole(QPalette::Window);
    Memo1Informations->viewport()->setAutoFillBackground(false);

    Label1Titre = new QLabel(this);
    Label1Titre->setObjectName(QStringLiteral("Label1Titre"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);

    SpeedButton1Proxy = new QToolButton(this);
    SpeedButton1Proxy->setObjectName(QStringLiteral("SpeedButton1Proxy"));
    SpeedButton1Proxy->setIcon(globe());
    SpeedButton1Proxy->setToolTip(QStringLiteral("Paramètres Proxy"));
    SpeedButton1Proxy->setAutoRaise(true);
    OKBtn = new QPushButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1Proxy);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1InfoTelecharge, 0, Qt::AlignHCenter);
    layout->addWidget(Memo1Informations, 1);
    layout->addWidget(Label1Titre);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
}

void TForm1MAJInternet::refresh() {
    const QString memo = logic_.memo().join(QLatin1Char('\n'));
    if (Memo1Informations->toPlainText() != memo) {
        Memo1Informations->setPlainText(memo);
    }
    Label1Titre->setText(logic_.title());
    Label1Titre->setStyleSheet(logic_.titleConnected() ? QStringLiteral("color: blue;")
                                                       : QStringLiteral("color: grey;"));
    ProgressBar1->setMaximum(std::max(1, barUnits(logic_.barMaximum())));
    ProgressBar1->setValue(std::min(barUnits(logic_.barValue()), ProgressBar1->maximum()));
    OKBtn->setText(logic_.okText());
    OKBtn->setEnabled(logic_.okEnabled());
    CancelBtn->setEnabled(logic_.cancelEnabled());
    SpeedButton1Proxy->setEnabled(!logic_.busy());
    if (logic_.visible() && !isVisible() && logic_.busy()) {
        show();
    }
}

void TForm1MAJInternet::AutoCheck() {
    logic_.AutoCheck();
    if (logic_.visible() && logic_.closing() == MajInternet::Closing::Open && !quitRequested()) {
        exec();
    }
    hide();
}

void TForm1MAJInternet::OKBtnClick() {
    logic_.DownloadUpdate();
    closeAsAsked();
}

void TForm1MAJInternet::closeAsAsked() {
    if (quitRequested()) {
        done(Accepted);
    } else if (closeWhenDone_ || logic_.closing() == MajInternet::Closing::Closed) {
        QDialog::reject();
    } else if (logic_.closing() == MajInternet::Closing::Ok) {
        accept();
    } else if (logic_.closing() == MajInternet::Closing::Abort) {
        done(AbortResult);
    }
}

void TForm1MAJInternet::reject() {
    if (logic_.busy()) {
        closeWhenDone_ = true;
        logic_.cancel();
        return;
    }
    QDialog::reject();
}

void TForm1MAJInternet::SpeedButton1ProxyClick() {
    TDlgParametreProxy dialog(logic_.proxyForm(), prompter_, this);
    if (dialog.exec() == Accepted) {
        logic_.storeProxy(dialog.form());
    }
}
