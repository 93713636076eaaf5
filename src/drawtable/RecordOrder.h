#pragma once

#include "TableLayout.h"
#include "TableRecord.h"

#include <QList>
#include <QVariant>

#include <vector>

// How the records of an open table are ordered in memory: by the fields of the active
// order (the key, or an index), empty values first, ties in the order the records were
// appended. Also the value rules every field follows.
class RecordOrder {
public:
    using Records = std::vector<TableRecord>;

    RecordOrder(const TableLayout& layout, const QList<int>& fields, bool byKey);

    // A value as the field stores it: texts without trailing spaces, an empty text or a
    // value that is not a number of an integer field as no value, booleans as 0 or 1.
    static QVariant normalized(const QVariant& value, TableLayout::FieldType type);

    bool lessThan(const TableRecord& a, const TableRecord& b) const;
    void sort(Records& records) const;
    // The first record whose leading `count` order fields equal the probe's.
    Records::const_iterator find(const Records& records, const TableRecord& probe, int count) const;
    // Where a record goes among the others; after those it ties with.
    std::size_t placeFor(const Records& records, const TableRecord& record) const;
    // Whether the record at `at`, changed, still lies between its neighbours.
    bool staysAt(const Records& records, std::size_t at, const TableRecord& changed) const;
    // Whether another record holds the record's key (keyed tables only).
    bool keyTaken(const Records& records, const TableRecord& record) const;

    const QList<int>& fields() const { return fields_; }

private:
    int compare(const TableRecord& a, const TableRecord& b, int count) const;
    bool sameKey(const TableRecord& a, const TableRecord& b) const;

    const TableLayout* layout_;
    QList<int> fields_;
    QList<int> key_;
    bool byKey_;
};
