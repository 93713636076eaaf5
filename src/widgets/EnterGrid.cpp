#include "EnterGrid.h"

#include <QKeyEvent>

#include <algorithm>

EnterGrid::EnterGrid(QWidget* parent) : QTableWidget(parent) {}

void EnterGrid::keyPressEvent(QKeyEvent* event) {
    // Enter in a cell editor reaches here too: closing the editor moves on then.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != EditingState) {
        event->accept();
        moveOn();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void EnterGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter in an editor commits the cell and asks for the model to be submitted.
    const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableWidget::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
    if (enter) {
        moveOn();
    }
}

void EnterGrid::moveOn() {
    emit enterPressed();
    if (!enterMovesRight_) {
        editBelow();
        return;
    }
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        setCurrentCell(current.row(), std::min(current.column() + 1, columnCount() - 1));
    }
}

void EnterGrid::editBelow() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return;
    }
    const int row = std::min(current.row() + 1, rowCount() - 1);
    setCurrentCell(row, current.column());
    if (QTableWidgetItem* cell = item(row, current.column())) {
        editItem(cell);
    }
}
