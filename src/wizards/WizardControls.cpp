#include "WizardControls.h"

#include "RankingGrid.h"
#include "WizardInformations.h"
#include "widgets/EnterGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
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

QGroupBox* WizardControls::InformationGroup(QWidget* parent, const QString& fifthCaption,
                                            const QString& sixthCaption, Informations& labels) {
    auto* group = named(new QGroupBox(QStringLiteral("Informations"), parent), "GroupBox2Info");
    auto* rows = new QGridLayout(group);
    rows->setHorizontalSpacing(16);
    int at = 0;
    const auto row = [&](const char* name, const QString& caption, QLabel*& value,
                         const char* valueName) {
        QLabel* label = named(new QLabel(caption, group), name);
        value = named(new QLabel(group), valueName);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(40);
        rows->addWidget(label, at, 0);
        rows->addWidget(value, at, 1);
        ++at;
        return label;
    };
    row("Label1Effectif", QStringLiteral("Effectif du tableau"), labels.LabelEffectif,
        "LabelEffectif");
    row("Label2QualifieSortants", QStringLiteral("Nombre de qualifiés sortants"),
        labels.LabelQualifieSortants, "LabelQualifieSortants");
    row("Label3QualifieEntrants", QStringLiteral("Nombre de qualifiés entrants"),
        labels.LabelQualifieEntrants, "LabelQualifieEntrants");
    labels.Label4Dimension = row("Label4Dimension", QStringLiteral("Dimension du tableau"),
                                 labels.LabelDimensionTableau, "LabelDimensionTableau");
    row("Label5Exempts", fifthCaption, labels.LabelNBExempts, "LabelNBExempts");
    row("Label6NONExempts", sixthCaption, labels.LabelNONExempts, "LabelNONExempts");
    labels.Label7TetesSerie = row("Label7TetesSerie", QStringLiteral("Nombre de têtes de série"),
                                  labels.LabelTetesSerie, "LabelTetesSerie");
    return group;
}

void WizardControls::ShowInformations(const Informations& labels, const WizardInformations& shown) {
    labels.LabelEffectif->setText(shown.LabelEffectif);
    labels.LabelQualifieSortants->setText(shown.LabelQualifieSortants);
    labels.LabelQualifieEntrants->setText(shown.LabelQualifieEntrants);
    labels.LabelDimensionTableau->setText(shown.LabelDimensionTableau);
    labels.LabelNBExempts->setText(shown.LabelNBExempts);
    labels.LabelNONExempts->setText(shown.LabelNONExempts);
    labels.LabelTetesSerie->setText(shown.LabelTetesSerie);
    for (QLabel* label : {labels.Label4Dimension, labels.LabelDimensionTableau}) {
        label->setVisible(shown.DimensionVisible);
    }
    for (QLabel* label : {labels.Label7TetesSerie, labels.LabelTetesSerie}) {
        label->setVisible(shown.SeedsVisible);
    }
}

void WizardControls::ShowGrid(EnterGrid* grid, const RankingGrid& shown) {
    const QSignalBlocker quiet(grid);
    for (int column = 1; column <= RankingGrid::Columns; ++column) {
        grid->item(0, column - 1)->setText(shown.name(column));
        grid->item(1, column - 1)->setText(shown.count(column));
    }
    grid->viewport()->update();
}

QPushButton* WizardControls::Button(QWidget* parent, const QString& caption, const char* name) {
    return named(new QPushButton(caption, parent), name);
}
