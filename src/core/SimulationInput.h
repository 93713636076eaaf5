#pragma once

#include <QList>
#include <QString>

// What the user types in the main window, as texts; figures are converted only when
// they are used.
struct SimulationInput {
    enum DrawType { LineStart = 0, Staggered = 1 };

    struct Row {
        QString RankingText;
        QString CountText;
        bool operator==(const Row&) const = default;
    };

    QString RangeStart;  // weakest ranking of the range
    QString RangeEnd;    // best ranking of the range
    QList<Row> Rows;     // grid rows 1 to RowCount() - 1, best ranking first
    QString QualifiersOutText = QStringLiteral("0");
    QString QualifiersInText = QStringLiteral("0");
    QString SeedsText = QStringLiteral("0");
    QString EntrySizeText;
    int DrawType = Staggered;
    bool OutgoingEdited = false;  // not saved

    // Rows of the ranking grid, its header row included.
    int RowCount() const { return static_cast<int>(Rows.size()) + 1; }

    bool operator==(const SimulationInput&) const = default;
};
