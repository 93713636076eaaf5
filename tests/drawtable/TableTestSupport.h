#pragma once

#include "drawtable/DrawLine.h"
#include "drawtable/DrawLines.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"

#include "common/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh folder and a draw table in it, opened and numbered 1 to count.
class DrawTableFixture : public ::testing::Test {
protected:
    QString location() const { return dir_.path(); }

    RecordTable& numberedTable(int count) {
        table_.emplace(TableLayout::DrawLine(), location(), QStringLiteral("Tmpaaaa.db"));
        EXPECT_TRUE(table_->Open()) << table_->errorText().toStdString();
        EXPECT_TRUE(DrawLines::FillNumbered(*table_, count));
        return *table_;
    }

    static int lineNumber(const RecordTable& table) { return table.integer(DrawLine::FicheNumero); }

    QTemporaryDir dir_;
    std::optional<RecordTable> table_;
};
