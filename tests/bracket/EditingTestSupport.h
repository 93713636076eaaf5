#pragma once

#include "BracketTestSupport.h"

#include "bracket/BracketEditor.h"
#include "bracket/ScriptedSeedDialog.h"
#include "bracket/TableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"

#include <memory>

// A line-start draw open in the bracket view's logic, with rosters "15/2" (4 players),
// "15/1" (2) and two incoming qualifiers, ready to be edited.
class EditingFixture : public BracketFixture {
protected:
    void SetUp() override {
        host_.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
        host_.DataLocation = dir_.path();
        state_.Rankings[1] = {QStringLiteral("15/2"), 4, 0};
        state_.Rankings[2] = {QStringLiteral("15/1"), 2, 0};
        view_ = std::make_unique<TableauPrevisualise>(page_, state_, host_, prompter_,
                                                      BusyCursor::none());
    }

    void open(int dimension, const std::map<int, TestLine>& lines = {}, int qualifiersOut = 1,
              int qualifiersIn = 2) {
        writeTable(QStringLiteral("Tmpaaaa2.db"), dimension, lines);
        view_->settings().Kind = BracketSettings::DrawKind::LineStart;
        view_->settings().HideEmptyBranches = false;
        view_->OpenLineStart({.GridPlayers = 6,
                              .LineQualifiersIn = qualifiersIn,
                              .LineQualifiersOut = qualifiersOut,
                              .LineDimension = dimension});
    }

    static QString name(int round, int line) { return ItemKeys::key(ItemKeys::Name, round, line); }
    static QString segment(int round, int line) {
        return ItemKeys::key(ItemKeys::Segment, round, line);
    }
    static QString roster(int row) { return QStringLiteral("Effectif%1").arg(row); }

    QString text(const QString& item) const {
        const PageItem* found = page_.find(item);
        return found != nullptr ? found->text : QStringLiteral("<absent>");
    }

    // Position, Numero ("-" when empty) and Nom of a line, as one text.
    QString line(int number) const {
        RecordTable& table = *view_->table();
        if (!table.FindKey({number})) {
            return QStringLiteral("<absent>");
        }
        return QStringLiteral("%1 %2 %3")
            .arg(table.integer(DrawLine::Position))
            .arg(table.isNull(DrawLine::Numero) ? QStringLiteral("-")
                                                : QString::number(table.integer(DrawLine::Numero)),
                 table.text(DrawLine::Nom));
    }

    BracketEditor::Outcome drop(const QString& source, const QString& target,
                                QList<ScriptedSeedDialog::Step> answers = {}) {
        ScriptedSeedDialog dialog(std::move(answers), prompter_);
        return view_->editor().Drop(source, target, dialog);
    }

    BracketEditor::Outcome click(const QString& label, QList<ScriptedSeedDialog::Step> answers) {
        ScriptedSeedDialog dialog(std::move(answers), prompter_);
        return view_->editor().Click(label, dialog);
    }

    static ScriptedSeedDialog::Step typed(
        const char* text,
        ScriptedSeedDialog::Step::Button button = ScriptedSeedDialog::Step::Button::Ok) {
        return {QString::fromUtf8(text), button};
    }

    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    std::unique_ptr<TableauPrevisualise> view_;
};
