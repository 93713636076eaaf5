#include "RecordOrder.h"

#include "core/Cp1252.h"

#include <algorithm>

namespace {

using FieldType = TableLayout::FieldType;

int compareValues(const QVariant& a, const QVariant& b, FieldType type) {
    if (a.isNull() || b.isNull()) {
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    }
    if (type == FieldType::Text) {
        // Texts are ordered by their Windows-1252 bytes, as the host's tables order them;
        // texts the set cannot tell apart fall back on their characters.
        const QString x = a.toString();
        const QString y = b.toString();
        int order = Cp1252::encode(x).compare(Cp1252::encode(y));
        if (order == 0) {
            order = x.compare(y);
        }
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    const qlonglong x = a.toLongLong();
    const qlonglong y = b.toLongLong();
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

RecordOrder::RecordOrder(const TableLayout& layout, const QList<int>& fields, bool byKey)
    : layout_(&layout), fields_(fields), key_(*layout.orderFields(QString())), byKey_(byKey) {}

QVariant RecordOrder::normalized(const QVariant& value, FieldType type) {
    if (value.isNull() || !value.isValid()) {
        return QVariant();
    }
    if (type == FieldType::Text) {
        QString text = value.toString();
        qsizetype end = text.size();
        while (end > 0 && text[end - 1] == QLatin1Char(' ')) {
            --end;
        }
        text.truncate(end);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    if (type == FieldType::Boolean) {
        return QVariant::fromValue<qlonglong>(value.toBool() ? 1 : 0);
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok ? QVariant::fromValue(number) : QVariant();
}

int RecordOrder::compare(const TableRecord& a, const TableRecord& b, int count) const {
    for (int at = 0; at < count; ++at) {
        const int field = fields_[at];
        const int order =
            compareValues(a.values[field], b.values[field], layout_->fields[field].type);
        if (order != 0) {
            return order;
        }
    }
    return 0;
}

bool RecordOrder::lessThan(const TableRecord& a, const TableRecord& b) const {
    const int order = compare(a, b, static_cast<int>(fields_.size()));
    return order < 0 || (order == 0 && a.id < b.id);
}

void RecordOrder::sort(Records& records) const {
    std::sort(records.begin(), records.end(),
              [&](const TableRecord& a, const TableRecord& b) { return lessThan(a, b); });
}

RecordOrder::Records::const_iterator RecordOrder::find(const Records& records,
                                                       const TableRecord& probe, int count) const {
    const auto found = std::lower_bound(
        records.begin(), records.end(), probe,
        [&](const TableRecord& a, const TableRecord& b) { return compare(a, b, count) < 0; });
    return found != records.end() && compare(*found, probe, count) == 0 ? found : records.end();
}

std::size_t RecordOrder::placeFor(const Records& records, const TableRecord& record) const {
    const auto place = std::upper_bound(
        records.begin(), records.end(), record,
        [&](const TableRecord& a, const TableRecord& b) { return lessThan(a, b); });
    return static_cast<std::size_t>(place - records.begin());
}

bool RecordOrder::staysAt(const Records& records, std::size_t at,
                          const TableRecord& changed) const {
    return (at == 0 || lessThan(records[at - 1], changed)) &&
           (at + 1 == records.size() || lessThan(changed, records[at + 1]));
}

bool RecordOrder::sameKey(const TableRecord& a, const TableRecord& b) const {
    return a.id != b.id && std::all_of(key_.begin(), key_.end(), [&](int field) {
               return compareValues(a.values[field], b.values[field],
                                    layout_->fields[field].type) == 0;
           });
}

bool RecordOrder::keyTaken(const Records& records, const TableRecord& record) const {
    if (key_.isEmpty()) {
        return false;
    }
    if (!byKey_) {
        return std::any_of(records.begin(), records.end(),
                           [&](const TableRecord& other) { return sameKey(other, record); });
    }
    const int count = static_cast<int>(key_.size());
    for (auto at = find(records, record, count);
         at != records.end() && compare(*at, record, count) == 0; ++at) {
        if (sameKey(*at, record)) {
            return true;
        }
    }
    return false;
}
