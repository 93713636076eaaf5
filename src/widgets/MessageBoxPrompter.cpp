#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(Prompter::Kind kind) {
    switch (kind) {
        case Prompter::Kind::Warning:
            return QMessageBox::Warning;
        case Prompter::Kind::Information:
            return QMessageBox::Information;
        case Prompter::Kind::Question:
            return QMessageBox::Question;
        case Prompter::Kind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<QString> runDialog(QWidget* parent, const Prompter::FileRequest& request,
                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // Saving asks its own question before overwriting a file: the dialog does not.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog speaks the French the program installs; the system's may not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(request.directory.isEmpty() ? QDir::currentPath() : request.directory);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

// A box asked for during long work shows the normal cursor, and the work's wait cursor
// comes back when it closes.
int execWithArrow(QMessageBox& box) {
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) {
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    const int result = box.exec();
    if (waiting) {
        QApplication::restoreOverrideCursor();
    }
    return result;
}

}  // namespace

// A box belongs to the window the user is working in: the wizard or the view open over
// the main window, when there is one.
QWidget* MessageBoxPrompter::owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : parent_;
}

void MessageBoxPrompter::tell(Kind kind, const QString& text) {
    QMessageBox box(iconOf(kind), QApplication::applicationName(), text, QMessageBox::Ok, owner());
    execWithArrow(box);
}

bool MessageBoxPrompter::ask(Kind kind, const QString& text) {
    QMessageBox box(iconOf(kind), QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, owner());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    return execWithArrow(box) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompter::openFile(const FileRequest& request) {
    return runDialog(owner(), request, QFileDialog::AcceptOpen);
}

std::optional<QString> MessageBoxPrompter::saveFile(const FileRequest& request) {
    return runDialog(owner(), request, QFileDialog::AcceptSave);
}
