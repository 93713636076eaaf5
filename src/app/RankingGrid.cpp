#include "RankingGrid.h"

#include <QKeyEvent>

#include <algorithm>

RankingGrid::RankingGrid(QWidget* parent) : QTableWidget(parent) {}

void RankingGrid::keyPressEvent(QKeyEvent* event) {
    // Enter in a cell editor reaches here too: closing the editor moves on then.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != EditingState) {
        event->accept();
        moveOn();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void RankingGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter in an editor commits the cell and asks for the model to be submitted.
    const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableWidget::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
    if (enter) {
        moveOn();
    }
}

void RankingGrid::moveOn() {
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

void RankingGrid::editBelow() {
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
