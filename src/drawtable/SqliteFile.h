#pragma once

#include "TableLayout.h"
#include "TableRecord.h"

#include <QString>

#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One table file: an SQLite database holding a single table of a known layout. Opening
// creates the table in a file that holds none yet (a missing or empty file), and refuses,
// without writing anything, a file that is not a database, is damaged or holds another
// table. The statements that write records are prepared once and kept while the file is
// open. Failures are told in French, with the engine's own words in brackets.
class SqliteFile {
public:
    // How long a table that another program holds is waited for.
    static constexpr int BusyTimeoutMilliseconds = 2000;

    SqliteFile() = default;
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    bool open(const QString& path, const TableLayout& layout);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Every record, in the order of its row id.
    bool readAll(std::vector<TableRecord>& records);
    // The new record's row id.
    std::optional<qint64> insert(const QVariantList& values);
    bool update(qint64 id, const QVariantList& values);
    bool remove(qint64 id);
    bool removeAll();

    bool begin();
    bool commit();
    void rollback();

    // Why the last operation failed, in French.
    const QString& errorText() const { return errorText_; }

private:
    bool checkIntegrity();
    bool prepareLayout();
    bool checkLayout(bool& present);
    bool createLayout();
    bool prepare(sqlite3_stmt*& statement, const QString& sql);
    bool execute(const QString& sql);
    bool stepWrite(sqlite3_stmt* statement);
    void bindValues(sqlite3_stmt* statement, const QVariantList& values);
    bool fail(const QString& message);
    bool failClosed();
    bool failDamaged();
    bool failReading(int code);
    bool failWriting(int code);
    bool failEngine(const QString& action, int code);
    QString quotedTable() const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    sqlite3_stmt* update_ = nullptr;
    sqlite3_stmt* remove_ = nullptr;
    QString path_;
    TableLayout layout_;
    QString errorText_;
};
