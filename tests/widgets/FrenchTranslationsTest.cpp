#include "widgets/FrenchTranslations.h"
#include "widgets/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

QStringList buttonTexts(QWidget* dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        texts.append(withoutMnemonic(button->text()));
    }
    return texts;
}

}  // namespace

// The question of a message box and the file dialogs show Qt's standard texts in French.
TEST(FrenchTranslations, QuestionsAndFileDialogsSpeakFrench) {
    ASSERT_TRUE(FrenchTranslations::Install(*qApp));
    MessageBoxPrompter prompter;

    QStringList question;
    QTimer::singleShot(0, qApp, [&question] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        question = {withoutMnemonic(box->button(QMessageBox::Yes)->text()),
                    withoutMnemonic(box->button(QMessageBox::No)->text())};
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompter.ask(Prompter::Kind::Question, QStringLiteral("Mettre en place ?")));
    EXPECT_EQ(question, (QStringList{QStringLiteral("Oui"), QStringLiteral("Non")}));

    QStringList buttons;
    QStringList labels;
    QTimer::singleShot(0, qApp, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        buttons = buttonTexts(dialog);
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            labels.append(withoutMnemonic(label->text()));
        }
        dialog->reject();
    });
    EXPECT_FALSE(prompter.saveFile({}).has_value());
    EXPECT_TRUE(buttons.contains(QStringLiteral("Enregistrer")))
        << buttons.join(u'|').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Annuler"))) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("Nom de fichier :")) ||
                labels.contains(QStringLiteral("Nom de fichier\u00a0:")))
        << labels.join(u'|').toStdString();
}
