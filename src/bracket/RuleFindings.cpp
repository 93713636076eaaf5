#include "RuleFindings.h"

#include "core/Cp1252.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"

#include <functional>

namespace {

// Empties the table and writes its records in one transaction, so that a failure leaves
// the findings of the check before.
QString refill(const TableLayout& layout, const QString& location, const QString& name,
               const std::function<bool(RecordTable&)>& write) {
    RecordTable table(layout, location, name);
    if (!table.Open()) {
        return table.errorText();
    }
    RecordTable::Batch batch(table);
    if (!table.Empty() || !write(table)) {
        const QString error = table.errorText();
        table.Cancel();
        batch.abandon();
        return error;
    }
    return batch.commit() ? QString() : table.errorText();
}

}  // namespace

RuleFinding* RuleFindings::find(const QString& type) {
    const auto found = rules_.find(Cp1252::encode(type));
    return found == rules_.end() ? nullptr : &found->second;
}

const RuleFinding* RuleFindings::find(const QString& type) const {
    const auto found = rules_.find(Cp1252::encode(type));
    return found == rules_.end() ? nullptr : &found->second;
}

void RuleFindings::append(const RuleFinding& finding) {
    rules_.emplace(Cp1252::encode(finding.Type), finding);
}

void RuleFindings::remove(const QString& type) {
    rules_.erase(Cp1252::encode(type));
}

QList<const RuleFinding*> RuleFindings::rules() const {
    QList<const RuleFinding*> all;
    for (const auto& [key, finding] : rules_) {
        all.append(&finding);
    }
    return all;
}

void RuleFindings::recommend(int line, const QString& type) {
    recommendations_.emplace(line, type);
}

QStringList RuleFindings::recommendationsOf(int line) const {
    QStringList types;
    for (auto at = recommendations_.lower_bound({line, QString()});
         at != recommendations_.end() && at->first == line; ++at) {
        types.append(at->second);
    }
    return types;
}

QString RuleFindings::Save(const QString& location) const {
    const QString rules =
        refill(TableLayout::RuleFinding(), location, TableNames::Rules, [this](RecordTable& table) {
            for (const auto& [key, finding] : rules_) {
                table.Insert();
                table.setText(QStringLiteral("Type"), finding.Type);
                table.setInteger(QStringLiteral("NBTrouve"), finding.NBTrouve);
                table.setInteger(QStringLiteral("NumTourDeb"), finding.NumTourDeb);
                table.setInteger(QStringLiteral("NumTourFin"), finding.NumTourFin);
                table.setInteger(QStringLiteral("NumClass"), finding.NumClass);
                table.setBoolean(QStringLiteral("J1ClassJ2"), finding.J1ClassJ2);
                table.setText(QStringLiteral("Nom"), finding.Nom);
                table.setText(QStringLiteral("Prenom"), finding.Prenom);
                if (!table.Post()) {
                    return false;
                }
            }
            return true;
        });
    if (!rules.isEmpty()) {
        return rules;
    }
    return refill(TableLayout::RecommendationFinding(), location, TableNames::Recommendations,
                  [this](RecordTable& table) {
                      for (const auto& [line, type] : recommendations_) {
                          table.Insert();
                          table.setInteger(QStringLiteral("Enregistrement"), line);
                          table.setText(QStringLiteral("Type"), type);
                          if (!table.Post()) {
                              return false;
                          }
                      }
                      return true;
                  });
}

std::optional<RuleFindings> RuleFindings::LoadRules(const QString& location) {
    RecordTable table(TableLayout::RuleFinding(), location, TableNames::Rules);
    if (!table.Open()) {
        return std::nullopt;
    }
    RuleFindings findings;
    for (table.First(); !table.Eof(); table.Next()) {
        findings.append(
            {table.text(QStringLiteral("Type")), table.integer(QStringLiteral("NBTrouve")),
             table.integer(QStringLiteral("NumTourDeb")),
             table.integer(QStringLiteral("NumTourFin")), table.integer(QStringLiteral("NumClass")),
             table.boolean(QStringLiteral("J1ClassJ2")), table.text(QStringLiteral("Nom")),
             table.text(QStringLiteral("Prenom"))});
    }
    return findings;
}
