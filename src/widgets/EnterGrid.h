#pragma once

#include <QTableWidget>

// An editable grid of rankings and counts, where Enter moves on as the user expects in
// a grid of figures. In the main window's grid (one ranking per row) the cell below
// becomes current and its editing starts (on the last row, the same cell is edited
// again); in a grid of one ranking per column the cell to the right becomes current.
class EnterGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit EnterGrid(QWidget* parent = nullptr);

    void setEnterMovesRight(bool right) { enterMovesRight_ = right; }

signals:
    // Enter was pressed, the cell being edited committed, before the move.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveOn();
    void editBelow();

    bool enterMovesRight_ = false;
};
