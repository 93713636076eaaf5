#pragma once

#include "common/QtPrinters.h"
#include "drawtable/DrawFile.h"
#include "page/FontSubstitutions.h"
#include "reports/ReportPage.h"

#include <gtest/gtest.h>

#include <QList>

#include <map>

// Draws made in code and ways of reading report pages back.
class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { FontSubstitutions::Install(); }

    // A draw of `dimension` entries, every line empty.
    static DrawFile EmptyDraw(int dimension, DrawFile::Kind kind = DrawFile::Kind::LineStart) {
        DrawFile draw;
        draw.kind = kind;
        draw.dimension = dimension;
        for (int line = 1; line <= 2 * dimension - 1; ++line) {
            DrawFile::Line record;
            record.line = line;
            draw.lines.append(record);
        }
        return draw;
    }

    static void SetEntrant(DrawFile& draw, int line, const QString& nom, int position = 1) {
        DrawFile::Line& record = draw.lines[line - 1];
        record.position = position;
        record.nom = nom;
        record.prenom = QStringLiteral("Jean");
        record.classement = QStringLiteral("15/4");
    }

    static QList<const ReportElement*> Elements(const ReportPage& page, ReportElement::Kind kind) {
        QList<const ReportElement*> found;
        for (const ReportElement& element : page.elements()) {
            if (element.kind == kind) {
                found.append(&element);
            }
        }
        return found;
    }

    // The line boxes of a sheet by column: their left edge, then how many.
    static std::map<int, int> LinesByColumn(const ReportPage& page) {
        std::map<int, int> columns;
        for (const ReportElement* box : Elements(page, ReportElement::Kind::Rectangle)) {
            ++columns[box->item.left];
        }
        return columns;
    }

    static QList<int> Counts(const std::map<int, int>& columns) {
        QList<int> counts;
        for (const auto& [left, count] : columns) {
            counts.append(count);
        }
        return counts;
    }

    static QStringList Texts(const ReportPage& page) {
        QStringList texts;
        for (const ReportElement& element : page.elements()) {
            if (element.kind == ReportElement::Kind::Label && !element.item.text.isEmpty()) {
                texts.append(element.item.text);
            }
        }
        return texts;
    }
};
