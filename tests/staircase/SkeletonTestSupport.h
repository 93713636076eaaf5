#pragma once

#include "common/QtPrinters.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "staircase/StaggeredSkeleton.h"

#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>

// What one line of a built table holds.
struct BuiltLine {
    int position = 0;
    QVariant numero;
    QString nom;
};

inline std::map<int, BuiltLine> readLines(const QString& location, const QString& name) {
    std::map<int, BuiltLine> lines;
    RecordTable table(TableLayout::DrawLine(), location, name);
    EXPECT_TRUE(table.Open()) << table.errorText().toStdString();
    for (table.First(); !table.Eof(); table.Next()) {
        lines[table.integer(DrawLine::FicheNumero)] = {table.integer(DrawLine::Position),
                                                       table.value(2), table.text(DrawLine::Nom)};
    }
    return lines;
}

// A staircase state, a prompter that records the messages, and a fresh data folder.
class SkeletonFixture : public ::testing::Test {
protected:
    TableLocations places() const { return {dir_.path(), dir_.path(), QStringLiteral("Hote.db")}; }

    // One tour: its positions, its arrivals and its entries (name, count).
    void setTour(int tour, int positions, int arriving,
                 std::initializer_list<std::pair<const char*, int>> entries) {
        StaircaseStep& step = state_.Steps[tour];
        step.Positions = positions;
        step.Arriving = arriving;
        int at = 1;
        for (const auto& [name, count] : entries) {
            step.Entries[at++] = {QString::fromUtf8(name), count};
        }
    }

    bool build(int tourCount) {
        StaggeredSkeleton skeleton(state_, tourCount, places(), prompter_);
        return skeleton.TraiteSqueletteTableau();
    }

    std::map<int, BuiltLine> built() const {
        return readLines(dir_.path(), QStringLiteral("Tmpaaaa.db"));
    }

    // A finished skeleton has every line and no closed or reserved line left.
    static void expectFinished(const std::map<int, BuiltLine>& lines, int dimension) {
        ASSERT_EQ(static_cast<int>(lines.size()), 2 * dimension - 1);
        EXPECT_EQ(lines.begin()->first, 1);
        EXPECT_EQ(lines.rbegin()->first, 2 * dimension - 1);
        for (const auto& [number, line] : lines) {
            EXPECT_NE(line.nom, QStringLiteral("-")) << "line " << number;
            EXPECT_NE(line.nom, QStringLiteral("###")) << "line " << number;
            EXPECT_GE(line.position, 0) << "line " << number;
        }
    }

    QTemporaryDir dir_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
};
