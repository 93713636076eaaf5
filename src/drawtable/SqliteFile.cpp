#include "SqliteFile.h"

#include "SqliteErrorText.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

namespace {

QString quoted(const QString& name) {
    QString text = name;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString sqlType(TableLayout::FieldType type) {
    switch (type) {
        case TableLayout::FieldType::Integer:
            return QStringLiteral("INTEGER");
        case TableLayout::FieldType::Text:
            return QStringLiteral("TEXT");
        case TableLayout::FieldType::Boolean:
            return QStringLiteral("BOOLEAN");
    }
    return QString();
}

// The user's way out is the same for both refusals: the file stays as it is, and moving
// it away lets the program create a new table.
QString refusal(const QString& path, const QString& why) {
    return QStringLiteral(
               "Le fichier \"%1\" %2.\nIl n'a pas été modifié ; déplacez-le ou supprimez-le "
               "pour que la table soit recréée.")
        .arg(QDir::toNativeSeparators(path), why);
}

bool isDamaged(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace

SqliteFile::~SqliteFile() {
    close();
}

bool SqliteFile::open(const QString& path, const TableLayout& layout) {
    close();
    path_ = path;
    layout_ = layout;
    errorText_.clear();
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        failEngine(QStringLiteral("Impossible d'ouvrir la table"), code);
        close();
        return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    // A table another program is writing is waited for a moment before it is reported.
    sqlite3_busy_timeout(db_, BusyTimeoutMilliseconds);
    if (!checkIntegrity() || !prepareLayout()) {
        close();
        return false;
    }
    return true;
}

void SqliteFile::close() {
    for (sqlite3_stmt** statement : {&insert_, &update_, &remove_}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    if (db_ != nullptr) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

// A file with a damaged page can still be read in part, and writing to it would spread
// the damage: it is refused before anything reads or writes it.
bool SqliteFile::checkIntegrity() {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db_, "PRAGMA quick_check(1)", -1, &statement, nullptr);
    QString verdict;
    if (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        verdict =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        code = SQLITE_DONE;
    }
    const bool checked = code == SQLITE_DONE || failReading(code);
    sqlite3_finalize(statement);
    if (!checked) {
        return false;
    }
    return verdict == QLatin1String("ok") || failDamaged();
}

bool SqliteFile::prepareLayout() {
    bool present = false;
    if (!checkLayout(present)) {
        return false;
    }
    if (!present && !createLayout()) {
        return false;
    }
    QStringList names;
    QStringList marks;
    QStringList assignments;
    for (const TableLayout::Field& field : layout_.fields) {
        names.append(quoted(field.name));
        marks.append(QStringLiteral("?"));
        assignments.append(quoted(field.name) + QStringLiteral(" = ?"));
    }
    return prepare(insert_, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quotedTable(), names.join(QLatin1Char(',')),
                                     marks.join(QLatin1Char(',')))) &&
           prepare(update_, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                .arg(quotedTable(), assignments.join(QLatin1Char(',')))) &&
           prepare(remove_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedTable()));
}

// Reads the file's tables only; nothing is written before the file is known to be a
// database that holds our table, or none at all.
bool SqliteFile::checkLayout(bool& present) {
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quotedTable()).toUtf8();
    int code = sqlite3_prepare_v2(db_, sql.constData(), -1, &statement, nullptr);
    QStringList found;
    while (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        code = SQLITE_OK;
        found.append(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1))) +
            QLatin1Char(' ') +
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)))
                .toUpper());
    }
    const bool read = code == SQLITE_DONE || failReading(code);
    sqlite3_finalize(statement);
    if (!read) {
        return false;
    }
    QStringList expected;
    for (const TableLayout::Field& field : layout_.fields) {
        expected.append(field.name + QLatin1Char(' ') + sqlType(field.type));
    }
    present = !found.isEmpty();
    if (present && found != expected) {
        return fail(refusal(path_, QStringLiteral("contient une table d'une autre forme")));
    }
    if (present) {
        return true;
    }
    sqlite3_stmt* tables = nullptr;
    code = sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master", -1, &tables, nullptr);
    int count = 0;
    if (code == SQLITE_OK && (code = sqlite3_step(tables)) == SQLITE_ROW) {
        count = sqlite3_column_int(tables, 0);
        code = SQLITE_DONE;
    }
    const bool counted = code == SQLITE_DONE || failReading(code);
    sqlite3_finalize(tables);
    if (counted && count != 0) {
        return fail(refusal(path_, QStringLiteral("contient une autre table")));
    }
    return counted;
}

bool SqliteFile::createLayout() {
    QStringList columns;
    for (const TableLayout::Field& field : layout_.fields) {
        columns.append(quoted(field.name) + QLatin1Char(' ') + sqlType(field.type));
    }
    QString sql = QStringLiteral("CREATE TABLE %1 (%2);")
                      .arg(quotedTable(), columns.join(QStringLiteral(", ")));
    if (!layout_.keyFields.isEmpty()) {
        QStringList keys;
        for (const QString& key : layout_.keyFields) {
            keys.append(quoted(key));
        }
        sql += QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3);")
                   .arg(quoted(layout_.name + QStringLiteral("_key")), quotedTable(),
                        keys.join(QLatin1Char(',')));
    }
    return execute(sql);
}

bool SqliteFile::readAll(std::vector<TableRecord>& records) {
    records.clear();
    QStringList names;
    for (const TableLayout::Field& field : layout_.fields) {
        names.append(quoted(field.name));
    }
    if (db_ == nullptr) {
        return failClosed();
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                               .arg(names.join(QLatin1Char(',')), quotedTable())
                               .toUtf8();
    int code = sqlite3_prepare_v2(db_, sql.constData(), -1, &statement, nullptr);
    const int count = static_cast<int>(layout_.fields.size());
    while (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        code = SQLITE_OK;
        TableRecord record;
        record.id = sqlite3_column_int64(statement, 0);
        record.values.reserve(count);
        for (int at = 0; at < count; ++at) {
            const int column = at + 1;
            if (sqlite3_column_type(statement, column) == SQLITE_NULL) {
                record.values.append(QVariant());
            } else if (layout_.fields[at].type == TableLayout::FieldType::Text) {
                record.values.append(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                    sqlite3_column_bytes(statement, column)));
            } else {
                record.values.append(
                    QVariant::fromValue<qlonglong>(sqlite3_column_int64(statement, column)));
            }
        }
        records.push_back(std::move(record));
    }
    const bool read = code == SQLITE_DONE || failReading(code);
    sqlite3_finalize(statement);
    if (!read) {
        records.clear();
    }
    return read;
}

std::optional<qint64> SqliteFile::insert(const QVariantList& values) {
    bindValues(insert_, values);
    if (!stepWrite(insert_)) {
        return std::nullopt;
    }
    return sqlite3_last_insert_rowid(db_);
}

bool SqliteFile::update(qint64 id, const QVariantList& values) {
    bindValues(update_, values);
    if (update_ != nullptr) {
        sqlite3_bind_int64(update_, static_cast<int>(values.size()) + 1, id);
    }
    return stepWrite(update_);
}

bool SqliteFile::remove(qint64 id) {
    if (remove_ != nullptr) {
        sqlite3_reset(remove_);
        sqlite3_bind_int64(remove_, 1, id);
    }
    return stepWrite(remove_);
}

bool SqliteFile::removeAll() {
    return execute(QStringLiteral("DELETE FROM %1").arg(quotedTable()));
}

bool SqliteFile::begin() {
    return execute(QStringLiteral("BEGIN"));
}

bool SqliteFile::commit() {
    if (db_ == nullptr) {
        return failClosed();
    }
    const int code = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    return code == SQLITE_OK ||
           failEngine(QStringLiteral("Impossible d'enregistrer les changements de la table"), code);
}

void SqliteFile::rollback() {
    if (db_ != nullptr && sqlite3_get_autocommit(db_) == 0) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

bool SqliteFile::prepare(sqlite3_stmt*& statement, const QString& sql) {
    if (db_ == nullptr) {
        return failClosed();
    }
    const QByteArray text = sql.toUtf8();
    const int code = sqlite3_prepare_v2(db_, text.constData(), -1, &statement, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_finalize(statement);
        statement = nullptr;
        return failWriting(code);
    }
    return true;
}

bool SqliteFile::execute(const QString& sql) {
    if (db_ == nullptr) {
        return failClosed();
    }
    const QByteArray text = sql.toUtf8();
    const int code = sqlite3_exec(db_, text.constData(), nullptr, nullptr, nullptr);
    return code == SQLITE_OK || failWriting(code);
}

// The failure is told before the statement is reset, while the engine still holds its text.
bool SqliteFile::stepWrite(sqlite3_stmt* statement) {
    if (statement == nullptr) {
        return failClosed();
    }
    const int code = sqlite3_step(statement);
    const bool written = code == SQLITE_DONE || failWriting(code);
    sqlite3_reset(statement);
    return written;
}

void SqliteFile::bindValues(sqlite3_stmt* statement, const QVariantList& values) {
    if (statement == nullptr) {
        return;
    }
    sqlite3_reset(statement);
    for (int at = 0; at < values.size(); ++at) {
        const QVariant& value = values[at];
        const int slot = at + 1;
        if (value.isNull()) {
            sqlite3_bind_null(statement, slot);
        } else if (layout_.fields[at].type == TableLayout::FieldType::Text) {
            const QByteArray bytes = value.toString().toUtf8();
            sqlite3_bind_text(statement, slot, bytes.constData(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(statement, slot, value.toLongLong());
        }
    }
}

bool SqliteFile::fail(const QString& message) {
    errorText_ = message;
    return false;
}

bool SqliteFile::failClosed() {
    return fail(
        QStringLiteral("La table \"%1\" n'est pas ouverte.").arg(QDir::toNativeSeparators(path_)));
}

bool SqliteFile::failDamaged() {
    return fail(refusal(path_, QStringLiteral("est endommagé ou n'est pas une table")));
}

bool SqliteFile::failReading(int code) {
    return isDamaged(code) ? failDamaged()
                           : failEngine(QStringLiteral("Impossible de lire la table"), code);
}

bool SqliteFile::failWriting(int code) {
    return failEngine(QStringLiteral("Impossible d'écrire dans la table"), code);
}

bool SqliteFile::failEngine(const QString& action, int code) {
    const QString raw =
        QString::fromUtf8(db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
    const int system = db_ != nullptr ? sqlite3_system_errno(db_) : 0;
    return fail(SqliteErrorText::describe(
        QStringLiteral("%1 \"%2\"").arg(action, QDir::toNativeSeparators(path_)), code, system,
        raw));
}

QString SqliteFile::quotedTable() const {
    return quoted(layout_.name);
}
