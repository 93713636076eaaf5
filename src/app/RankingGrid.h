#pragma once

#include <QTableWidget>

// The editable grid of the main window, where Enter moves on as the user expects in a
// grid of figures: the cell below becomes current and its editing starts (on the last
// row, the same cell is edited again).
class RankingGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit RankingGrid(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void editBelow();
};
