#pragma once

#include "BracketTestSupport.h"

#include "bracket/BracketColors.h"
#include "bracket/FindingMarks.h"
#include "bracket/TableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"

#include <memory>
#include <optional>

namespace rules {
constexpr int Entrant = DrawLine::Entrant;
constexpr int Seed = DrawLine::Seed;
constexpr int In = DrawLine::IncomingQualifier;
constexpr int Out = DrawLine::OutgoingQualifier;
}  // namespace rules

// A staggered-entry draw written into a fresh folder, laid out as the bracket view shows
// it and checked with the program's ranking order list; the rule tables go into the same
// folder.
class RulesFixture : public BracketFixture {
protected:
    void SetUp() override {
        host_.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
        host_.DataLocation = dir_.path();
        host_.WorkingDirectory = dir_.path();
    }

    RulesVerification::Report check(int dimension, const std::map<int, TestLine>& lines,
                                    int qualifiersOut = 0, bool hideEmpty = false,
                                    std::optional<QString> rankingOrder = std::nullopt) {
        writeTable(QStringLiteral("Tmpaaaa.db"), dimension, lines);
        state_.Dimension = static_cast<std::int16_t>(dimension);
        state_.QualifiersOut = static_cast<std::int16_t>(qualifiersOut);
        view_ = std::make_unique<TableauPrevisualise>(page_, state_, host_, prompter_,
                                                      BusyCursor::none());
        view_->settings().HideEmptyBranches = hideEmpty;
        return view_->CheckRules(rankingOrder);
    }

    const PageItem& at(const QString& prefix, int round, int line) const {
        const PageItem* found = item(prefix, round, line);
        EXPECT_NE(found, nullptr) << ItemKeys::key(prefix, round, line).toStdString();
        static const PageItem none;
        return found != nullptr ? *found : none;
    }

    // Opaque and red, with its hint shown.
    static bool markedRed(const PageItem& item) {
        return item.background == BracketColors::Red && !item.transparent && item.showHint;
    }

    const PageItem& banner() const { return *page_.find(ItemKeys::Banner); }

    static QString alarm(const char* text) {
        return QStringLiteral("ATTENTION: REGLES NON RESPECTEES\n") + QString::fromUtf8(text);
    }

    HostInterface host_;
    StaircaseState state_;
    ScriptedPrompter prompter_;
    std::unique_ptr<TableauPrevisualise> view_;
};
