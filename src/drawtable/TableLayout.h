#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The layout of one kind of table: its fields in storage order, the fields of its key
// (unique, the order of the cursor) and the secondary orders it can be walked in.
class TableLayout {
public:
    enum class FieldType { Integer, Text, Boolean };

    struct Field {
        QString name;
        FieldType type;
    };

    // A secondary order: by the fields, empty values first, ties in the order the
    // records were appended.
    struct Index {
        QString name;
        QStringList fields;
    };

    QString name;  // the name of the table inside its database file
    QList<Field> fields;
    QStringList keyFields;  // empty: the records keep the order they were appended in
    QList<Index> indexes;

    // Position of the field, -1 when the layout has none of that name.
    int fieldIndex(const QString& fieldName) const;
    // Positions of the fields of an order: the key for an empty name, else an index;
    // no value when the layout has no index of that name.
    std::optional<QList<int>> orderFields(const QString& indexName) const;

    // The draw line of the working tables and of the host's draw table (same fields in
    // the same order, so that a line can be copied field by field).
    static const TableLayout& DrawLine();
    // The roster of the line-start skeleton, walked weakest ranking first.
    static const TableLayout& Roster();
    // The findings of the rules check: rules keyed by Type, recommendations keyed by
    // Enregistrement then Type.
    static const TableLayout& RuleFinding();
    static const TableLayout& RecommendationFinding();
};
