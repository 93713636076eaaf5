#include "widgets/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// What the box looked like while it was open.
struct Seen {
    QWidget* parent = nullptr;
    Qt::CursorShape cursor = Qt::BlankCursor;
    QString text;
};

// Closes the next box as soon as it is shown, noting its owner and the cursor.
void CloseNextBox(Seen& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, qApp, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.parent = box->parentWidget();
        seen.text = box->text();
        if (const QCursor* cursor = QApplication::overrideCursor()) {
            seen.cursor = cursor->shape();
        }
        box->button(answer)->click();
    });
}

}  // namespace

// A box asked for from the wizard or the view belongs to that window, not to the main
// window, and shows the normal cursor even in the middle of long work.
TEST(MessageBoxPrompter, TheBoxBelongsToTheWindowInUseAndShowsTheNormalCursor) {
    QDialog main;
    MessageBoxPrompter prompter(&main);
    QDialog wizard(&main);
    Seen told;
    Seen asked;
    bool answer = true;
    QTimer::singleShot(0, &wizard, [&] {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        CloseNextBox(told, QMessageBox::Ok);
        prompter.message(QStringLiteral("Recherche"));
        CloseNextBox(asked, QMessageBox::No);
        answer = prompter.ask(Prompter::Kind::Question, QStringLiteral("Mettre en place ?"));
        // The long work gets its wait cursor back.
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QApplication::restoreOverrideCursor();
        wizard.reject();
    });
    wizard.exec();
    EXPECT_EQ(told.parent, &wizard);
    EXPECT_EQ(told.text, QStringLiteral("Recherche"));
    EXPECT_EQ(told.cursor, Qt::ArrowCursor);
    EXPECT_EQ(asked.parent, &wizard);
    EXPECT_FALSE(answer);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // With no window over it, the box belongs to the main window.
    Seen alone;
    CloseNextBox(alone, QMessageBox::Ok);
    prompter.information(QStringLiteral("Seul"));
    EXPECT_EQ(alone.parent, &main);
    EXPECT_EQ(alone.cursor, Qt::BlankCursor);  // no wait cursor was set: none is pushed
}
