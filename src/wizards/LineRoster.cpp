#include "LineRoster.h"

#include "core/StaircaseState.h"
#include "drawtable/RankingOrderList.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"

bool LineRoster::Fill(const StaircaseState& state, const RankingOrderList& order,
                      const QString& location) {
    RecordTable roster(TableLayout::Roster(), location, TableNames::Roster);
    if (!roster.Open()) {
        errorText_ = roster.errorText();
        return false;
    }
    {
        // A write that fails refuses the later ones and fails the commit.
        RecordTable::Batch batch(roster);
        roster.Empty();
        for (const RankingRow& row : state.Rankings) {
            if (row.Name.isEmpty()) {
                continue;
            }
            const int place = order.order(row.Name);
            for (int n = 1; n <= row.Count; ++n) {
                roster.Append();
                roster.setBoolean(QStringLiteral("Selectionner"), false);
                roster.setText(QStringLiteral("Class_Simple"), row.Name);
                if (place >= 0) {
                    roster.setInteger(QStringLiteral("NumeroClassSimple"), place + 1);
                }
                roster.setText(QStringLiteral("Nom"), row.Name);
                roster.setText(QStringLiteral("Prenom"), QString::number(n));
                roster.Post();
            }
        }
        if (!batch.commit()) {
            errorText_ = roster.errorText();
            return false;
        }
    }
    roster.SetIndex(QStringLiteral("ClassementDecroissant"));
    records_.clear();
    walk_ = 0;
    for (roster.First(); !roster.Eof(); roster.Next()) {
        records_.append(roster.text(QStringLiteral("Class_Simple")));
    }
    errorText_ = roster.errorText();
    return errorText_.isEmpty();
}

QString LineRoster::current() const {
    return walk_ < records_.size() ? records_[walk_] : QString();
}

QList<LineRoster::Pair> LineRoster::TakePairs(int count, int qualifiers) {
    QList<Pair> pairs;
    int taken = 0;
    for (int made = 0; made < count; ++made) {
        Pair pair{current(), Qualifier};
        if (taken < qualifiers) {
            ++taken;
        } else {
            ++walk_;
            pair.b = current();
        }
        ++walk_;
        pairs.append(pair);
    }
    return pairs;
}

// The byes read the record's Nom, which the roster fills with the ranking as Class_Simple.
QString LineRoster::FromLast(int back) const {
    const qsizetype at = records_.size() - 1 - back;
    return at >= 0 ? records_[at] : QString();
}
