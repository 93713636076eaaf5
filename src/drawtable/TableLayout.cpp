#include "TableLayout.h"

#include <algorithm>

namespace {

using Type = TableLayout::FieldType;

TableLayout::Field field(const char* name, Type type) {
    return {QString::fromLatin1(name), type};
}

}  // namespace

int TableLayout::fieldIndex(const QString& fieldName) const {
    for (int at = 0; at < fields.size(); ++at) {
        if (fields[at].name == fieldName) {
            return at;
        }
    }
    return -1;
}

std::optional<QList<int>> TableLayout::orderFields(const QString& indexName) const {
    QStringList names = keyFields;
    if (!indexName.isEmpty()) {
        auto found = std::find_if(indexes.begin(), indexes.end(),
                                  [&](const Index& index) { return index.name == indexName; });
        if (found == indexes.end()) {
            return std::nullopt;
        }
        names = found->fields;
    }
    QList<int> positions;
    for (const QString& fieldName : names) {
        positions.append(fieldIndex(fieldName));
    }
    return positions;
}

const TableLayout& TableLayout::DrawLine() {
    static const TableLayout layout{
        QStringLiteral("DrawLine"),
        {field("FicheNumero", Type::Integer), field("Position", Type::Integer),
         field("Numero", Type::Integer), field("Nom", Type::Text), field("Prenom", Type::Text),
         field("Classement", Type::Text), field("Information", Type::Integer),
         field("TypeClassement", Type::Text), field("Nationalite", Type::Text)},
        {QStringLiteral("FicheNumero")},
        {}};
    return layout;
}

const TableLayout& TableLayout::Roster() {
    static const TableLayout layout{
        QStringLiteral("Roster"),
        {field("Selectionner", Type::Boolean), field("Class_Simple", Type::Text),
         field("NumeroClassSimple", Type::Integer), field("Nom", Type::Text),
         field("Prenom", Type::Text), field("Club", Type::Text), field("Nationalite", Type::Text),
         field("TypeClassement", Type::Text)},
        {},
        {{QStringLiteral("ClassementDecroissant"), {QStringLiteral("NumeroClassSimple")}}}};
    return layout;
}

const TableLayout& TableLayout::RuleFinding() {
    static const TableLayout layout{
        QStringLiteral("RuleFinding"),
        {field("Type", Type::Text), field("NBTrouve", Type::Integer),
         field("NumTourDeb", Type::Integer), field("NumTourFin", Type::Integer),
         field("NumClass", Type::Integer), field("J1ClassJ2", Type::Boolean),
         field("Nom", Type::Text), field("Prenom", Type::Text)},
        {QStringLiteral("Type")},
        {}};
    return layout;
}

const TableLayout& TableLayout::RecommendationFinding() {
    static const TableLayout layout{
        QStringLiteral("RecommendationFinding"),
        {field("Enregistrement", Type::Integer), field("Type", Type::Text)},
        {QStringLiteral("Enregistrement"), QStringLiteral("Type")},
        {}};
    return layout;
}
