#pragma once

#include <QVariant>

#include <QtGlobal>

// One record of a table as it is kept in memory: the row id of its database file and
// its values in field order (a null value is an empty field).
struct TableRecord {
    qint64 id = 0;
    QVariantList values;
};
