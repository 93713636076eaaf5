#include "WizardControls.h"

#include "app/EnterGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int CellWidth = 48;
constexpr int CellHeight = 22;

}  // namespace

QGroupBox* WizardControls::RankingGroup(QWidget* parent, const QString& title, int columns,
                                        EnterGrid*& grid) {
    auto* group = named(new QGroupBox(title, parent), "GroupBox1");
    grid = named(new EnterGrid(group), "StringGrid1Effectif");
    grid->setEnterMovesRight(true);
    grid->setRowCount(2);
    grid->setColumnCount(columns);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(CellWidth);
    grid->verticalHeader()->setDefaultSectionSize(CellHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(CellWidth * columns + 2 * grid->frameWidth(),
                       2 * CellHeight + 2 * grid->frameWidth());
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            grid->setItem(row, column, cell);
        }
    }
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(grid);
    return group;
}

QLabel* WizardControls::FigureRow(QGridLayout* rows, const char* name, const QString& caption,
                                  QLabel*& value, const char* valueName) {
    QWidget* group = rows->parentWidget();
    QLabel* label = named(new QLabel(caption, group), name);
    value = named(new QLabel(group), valueName);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(40);
    // Each row holds two labels: the next row is below those already there.
    const int at = rows->count() / 2;
    rows->addWidget(label, at, 0);
    rows->addWidget(value, at, 1);
    return label;
}

QPushButton* WizardControls::Button(QWidget* parent, const QString& caption, const char* name) {
    return named(new QPushButton(caption, parent), name);
}
