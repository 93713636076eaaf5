#pragma once

#include "common/QtPrinters.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "wizards/LineStartWizardLogic.h"

#include <QTemporaryDir>

#include <map>
#include <memory>

#include <gtest/gtest.h>

struct LineContent {
    int position = 0;
    QVariant numero;
    QString nom;
};

// A line-start wizard over a fresh data folder, the shipped ranking order list and a
// prompter that records every message.
class LineStartFixture : public ::testing::Test {
protected:
    TableLocations places() const { return {dir_.path(), dir_.path(), QStringLiteral("Hote.db")}; }

    LineStartWizardLogic& wizard(std::initializer_list<std::pair<const char*, int>> rows,
                                 int qualifiersIn, int qualifiersOut, int seeds,
                                 const QString& zeclass = QStringLiteral(ORVANEL_SOURCE_DATA
                                                                         "/ZECLASS.TXT")) {
        wizard_ = std::make_unique<LineStartWizardLogic>(state_, prompter_, BusyCursor::none(),
                                                         places(), zeclass);
        int row = 1;
        for (const auto& [name, count] : rows) {
            state_.Rankings[row++] = {QString::fromUtf8(name), count, 0};
        }
        wizard_->Init(qualifiersIn, qualifiersOut, seeds, 0);
        return *wizard_;
    }

    // "&Suivant" with the box ticked or not; the bracket view answers `accept`.
    bool next(bool build, bool accept = false) {
        wizard_->AssistantConstructionTabToggled(build);
        return wizard_->SuivantBtnClick([&](const LineStartFigures& figures, bool acceptEnabled) {
            shown_ = figures;
            acceptEnabled_ = acceptEnabled;
            return accept;
        });
    }

    std::map<int, LineContent> lines(const QString& name = QStringLiteral("Tmpaaaa2.db"),
                                     const QString& location = QString()) const {
        std::map<int, LineContent> all;
        RecordTable table(TableLayout::DrawLine(), location.isEmpty() ? dir_.path() : location,
                          name);
        EXPECT_TRUE(table.Open()) << table.errorText().toStdString();
        for (table.First(); !table.Eof(); table.Next()) {
            all[table.integer(DrawLine::FicheNumero)] = {table.integer(DrawLine::Position),
                                                         table.value(2), table.text(DrawLine::Nom)};
        }
        return all;
    }

    // Lines that hold something, as "line:position:numero:nom".
    QStringList placed(const QString& name = QStringLiteral("Tmpaaaa2.db"),
                       const QString& location = QString()) const {
        QStringList texts;
        for (const auto& [number, line] : lines(name, location)) {
            if (line.position != 0 || !line.nom.isEmpty()) {
                texts.append(
                    QStringLiteral("%1:%2:%3:%4")
                        .arg(number)
                        .arg(line.position)
                        .arg(line.numero.isNull() ? QStringLiteral("-") : line.numero.toString(),
                             line.nom));
            }
        }
        return texts;
    }

    QTemporaryDir dir_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    std::unique_ptr<LineStartWizardLogic> wizard_;
    // What the bracket view was opened with.
    LineStartFigures shown_;
    bool acceptEnabled_ = false;
};
