#pragma once

#include "bracket/BracketLayout.h"
#include "bracket/FontSettings.h"
#include "bracket/ItemKeys.h"
#include "common/QtPrinters.h"
#include "core/HostInterface.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/DrawLines.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "page/Page.h"

#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>

// What a test writes on one line of a draw table.
struct TestLine {
    int position = 0;
    QString nom;
    int numero = 0;
    QString prenom;
    QString classement;
    QString typeClassement;
    QString nationalite;
    int information = 0;
};

inline TestLine lineOf(int position, const char* nom, int numero = 0) {
    TestLine line;
    line.position = position;
    line.nom = QString::fromUtf8(nom);
    line.numero = numero;
    return line;
}

// A data folder with a draw table in it, and a page to lay it out on.
class BracketFixture : public ::testing::Test {
protected:
    // A table of 2D − 1 numbered lines (or `count` when given), with the lines given.
    void writeTable(const QString& name, int dimension, const std::map<int, TestLine>& lines,
                    int count = 0) {
        RecordTable table(TableLayout::DrawLine(), dir_.path(), name);
        ASSERT_TRUE(table.Open()) << table.errorText().toStdString();
        ASSERT_TRUE(DrawLines::FillNumbered(table, count > 0 ? count : 2 * dimension - 1));
        for (const auto& [number, line] : lines) {
            ASSERT_TRUE(table.FindKey({number})) << number;
            table.setInteger(DrawLine::Position, line.position);
            table.setText(DrawLine::Nom, line.nom);
            if (line.numero != 0) {
                table.setInteger(DrawLine::Numero, line.numero);
            }
            table.setText(DrawLine::Prenom, line.prenom);
            table.setText(DrawLine::Classement, line.classement);
            table.setText(DrawLine::TypeClassement, line.typeClassement);
            table.setText(DrawLine::Nationalite, line.nationalite);
            table.setInteger(DrawLine::Information, line.information);
            ASSERT_TRUE(table.Post()) << table.errorText().toStdString();
        }
    }

    // Lays out "Tmpaaaa.db" of the data folder with the inputs given.
    void layout(int dimension, const BracketLayout::Inputs& inputs) {
        RecordTable table(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Tmpaaaa.db"));
        ASSERT_TRUE(table.Open());
        BracketLayout(page_, table, fonts_, inputs).LayoutBracket(dimension);
    }

    static BracketLayout::Inputs inputs(bool hideEmpty, int lineCount) {
        BracketLayout::Inputs in;
        in.settings.HideEmptyBranches = hideEmpty;
        in.geometry = BracketGeometry::FromLineCount(lineCount);
        return in;
    }

    const PageItem* item(const QString& prefix, int round, int line) const {
        return page_.find(ItemKeys::key(prefix, round, line));
    }

    // The bars of the page that stand at a point's column and run down through it.
    int barsAt(int left, int top) const {
        int count = 0;
        for (const PageItem* found : page_.items()) {
            if (found->kind == PageItem::Kind::Bar && found->left == left && found->top <= top &&
                found->top + found->height > top) {
                ++count;
            }
        }
        return count;
    }

    bool hasBar(int left, int top, int width, int height) const {
        for (const PageItem* found : page_.items()) {
            if (found->kind == PageItem::Kind::Bar &&
                found->box() == QRect(left, top, width, height)) {
                return true;
            }
        }
        return false;
    }

    QTemporaryDir dir_;
    Page page_;
    FontSettings fonts_;
};
