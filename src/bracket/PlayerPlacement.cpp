#include "PlayerPlacement.h"

#include "BracketLine.h"
#include "ItemKeys.h"
#include "LineMarks.h"
#include "LinePlayer.h"
#include "RosterEntryText.h"
#include "SeedDialog.h"

#include "drawtable/DrawLine.h"
#include "drawtable/LineAddressing.h"
#include "drawtable/RecordTable.h"
#include "page/Page.h"

#include <algorithm>

namespace {

// The label's line y: name labels stand 11 pixels above their line.
constexpr int LabelAboveLine = 11;

QString suffixOf(const QString& label) {
    return label.mid(ItemKeys::Name.size());
}

void setText(Page& page, const QString& name, const QString& text) {
    page.change(name, [&text](PageItem& item) { item.text = text; });
}

bool numbered(int position) {
    return position == DrawLine::Seed || position == DrawLine::IncomingQualifier ||
           position == DrawLine::OutgoingQualifier || position == 7;
}

}  // namespace

PlayerPlacement::PlayerPlacement(Page& page, RecordTable& table, const FontSettings& fonts,
                                 int dimension, int lineWidth)
    : page_(page), table_(table), fonts_(fonts), dimension_(dimension), lineWidth_(lineWidth) {}

int PlayerPlacement::lineOf(const QString& label) {
    const PageItem* item = page_.find(label);
    if (item == nullptr || item->tag < 1 || item->tag > table_.RecordCount()) {
        return 0;
    }
    return table_.FindKey({item->tag}) ? item->tag : 0;
}

void PlayerPlacement::addIncomingMark(const QString& label, int numero) {
    const PageItem* item = page_.find(label);
    BracketLine line;
    line.Numero = numero;
    LineMarks(page_, fonts_, lineWidth_)
        .addIncomingQualifier(line, suffixOf(label), item->left, item->top + LabelAboveLine);
}

void PlayerPlacement::Place(const QString& rosterEntry, const QString& label) {
    const PageItem* entry = page_.find(rosterEntry);
    if (entry == nullptr || lineOf(label) == 0) {
        return;
    }
    const QString ranking = RosterEntryText::RankingText(entry->text);
    const bool qualifier = ranking.contains(QLatin1Char('q'), Qt::CaseInsensitive);
    const QString nom = qualifier ? QString() : ranking;
    const QString counted =
        RosterEntryText::WithPlaced(entry->text, RosterEntryText::Placed(entry->text) + 1);

    table_.setText(DrawLine::Nom, nom);
    table_.setText(DrawLine::Prenom, QString());
    table_.setText(DrawLine::Classement, QString());
    table_.setInteger(DrawLine::Position,
                      qualifier ? DrawLine::IncomingQualifier : DrawLine::Entrant);
    if (qualifier) {
        table_.setInteger(DrawLine::Numero, 0);
    }
    table_.Post();

    setText(page_, label, nom);
    setText(page_, rosterEntry, counted);
    if (qualifier) {
        addIncomingMark(label, 0);
    }
}

// The player goes back only to the entry of exactly its ranking, and the entry's count
// never falls below zero.
void PlayerPlacement::Return(const QString& label, const QString& rosterEntry) {
    const PageItem* item = page_.find(label);
    const PageItem* entry = page_.find(rosterEntry);
    if (item == nullptr || entry == nullptr || lineOf(label) == 0) {
        return;
    }
    const int position = table_.integer(DrawLine::Position);
    if (position < DrawLine::Entrant || position > DrawLine::IncomingQualifier) {
        return;
    }
    const QString ranking =
        position == DrawLine::IncomingQualifier ? QStringLiteral("q") : item->text.trimmed();
    if (ranking.isEmpty() || RosterEntryText::RankingText(entry->text) != ranking) {
        return;
    }
    const QString suffix = suffixOf(label);
    if (position == DrawLine::IncomingQualifier) {
        page_.remove(ItemKeys::IncomingQualifier + suffix);
    }
    const QString counted = RosterEntryText::WithPlaced(
        entry->text, std::max(0, RosterEntryText::Placed(entry->text) - 1));
    table_.setText(DrawLine::Nom, QStringLiteral(" "));
    table_.setText(DrawLine::Prenom, QString());
    table_.setInteger(DrawLine::Position, DrawLine::Empty);
    table_.clear(DrawLine::Numero);
    table_.clear(DrawLine::Classement);
    table_.Post();
    setText(page_, label, QStringLiteral(" "));
    setText(page_, rosterEntry, counted);
}

// A number that goes with a code (seed, qualifier) moves with it; entrants keep theirs,
// the order in which they were placed.
void PlayerPlacement::Exchange(const QString& source, const QString& target) {
    const int a = lineOf(source);
    const int b = lineOf(target);
    if (a == 0 || b == 0 || a == b) {
        return;
    }
    table_.FindKey({a});
    const LinePlayer first = LinePlayer::Read(table_);
    table_.FindKey({b});
    const LinePlayer second = LinePlayer::Read(table_);
    const bool numbers = numbered(first.position) || numbered(second.position);
    {
        const RecordTable::Batch batch(table_);
        first.Write(table_, true, numbers);
        table_.FindKey({a});
        second.Write(table_, true, numbers);
    }

    const QString sourceText = page_.find(source)->text;
    setText(page_, source, page_.find(target)->text);
    setText(page_, target, sourceText);
    page_.remove(ItemKeys::IncomingQualifier + suffixOf(source));
    page_.remove(ItemKeys::IncomingQualifier + suffixOf(target));
    for (const auto& [label, line] : {std::pair{source, a}, std::pair{target, b}}) {
        table_.FindKey({line});
        if (table_.integer(DrawLine::Position) == DrawLine::IncomingQualifier) {
            addIncomingMark(label, table_.integer(DrawLine::Numero));
        }
    }
}

// Closing the dialog changes nothing; "Supprimer" or 0 makes the line an entrant's.
bool PlayerPlacement::Seed(const QString& label, SeedDialog& dialog) {
    const int line = lineOf(label);
    if (line == 0) {
        return false;
    }
    const bool seed = table_.integer(DrawLine::Position) == DrawLine::Seed;
    const SeedDialog::Answer answer =
        dialog.Ask(seed ? QString::number(table_.integer(DrawLine::Numero)) : QString());
    if (answer.ending == SeedDialog::Answer::Ending::Closed) {
        return true;
    }
    const int number = answer.ending == SeedDialog::Answer::Ending::Ok ? answer.number : 0;
    table_.FindKey({line});
    table_.setInteger(DrawLine::Position, number > 0 ? DrawLine::Seed : DrawLine::Entrant);
    table_.clear(DrawLine::Numero);
    if (number > 0) {
        table_.setInteger(DrawLine::Numero, number);
    }
    table_.Post();

    const QString suffix = suffixOf(label);
    page_.remove(ItemKeys::SeedNumber + suffix);
    page_.remove(ItemKeys::SeedCircle + suffix);
    if (number > 0) {
        const PageItem* item = page_.find(label);
        const int round = ItemKeys::RoundOf(label, ItemKeys::Name);
        const int lineOfKey = ItemKeys::LineOf(label, ItemKeys::Name);
        const LineAddressing lines(dimension_);
        const bool odd = (lineOfKey - lines.LineNumber(round, 0)) % 2 != 0;
        BracketLine marked;
        marked.Numero = number;
        // The mark stands 22 pixels above the line for an odd index, at the line's
        // height for an even one: 2 pixels higher than the layout puts it.
        LineMarks(page_, fonts_, lineWidth_)
            .addSeed(marked, suffix, item->left, item->top + 9, odd);
    }
    return true;
}

bool PlayerPlacement::EmptyDraw(RecordTable& table) {
    RecordTable::Batch batch(table);
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.integer(DrawLine::Position) == DrawLine::OutgoingQualifier) {
            continue;
        }
        table.setText(DrawLine::Nom, QString());
        table.setText(DrawLine::Prenom, QString());
        table.setText(DrawLine::Classement, QString());
        table.setInteger(DrawLine::Position, DrawLine::Empty);
        table.Post();
    }
    return batch.commit();
}
