#pragma once

#include "RecordOrder.h"
#include "SqliteFile.h"
#include "TableLayout.h"
#include "TableRecord.h"

#include <QString>
#include <QVariant>

#include <vector>

// A table of records with a cursor, as the draw builders, the bracket view and the rules
// check use it. The table is one database file named as the program names it, in a
// location (empty: the current directory); a missing file is created with the layout.
//
// While the table is open its records are kept in memory in the order of the active
// index (the key by default), and every change is written through to the file when it
// is posted. A Batch groups the writes of a long operation into one transaction: they are
// kept together or not at all.
//
// Cursor rules the callers rely on: First sets Bof and Last sets Eof; Next on the last
// record sets Eof and Prior on the first sets Bof, the cursor staying where it is;
// any other move clears both. Writing a field of the current record starts an edit;
// moving, closing or emptying posts a pending edit first, as posting by hand would.
class RecordTable {
public:
    struct Bookmark {
        qint64 id = 0;
    };

    // Groups every write made during its lifetime into one transaction. Once a write of
    // the batch has failed, the later ones are refused and the batch can only be rolled
    // back, so that the file never keeps part of it. A batch ends with commit(), which
    // tells whether the writes were kept, or with abandon(); one that goes out of scope
    // keeps its writes unless one failed. A batch started inside another one belongs to
    // it: only the outermost batch writes or rolls back, and abandoning an inner one
    // abandons the whole.
    class Batch {
    public:
        explicit Batch(RecordTable& table);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        // False when a write of the batch failed or the file could not keep them: then
        // nothing of the batch is kept, the records are read again from the file, and
        // errorText names the table and the cause. An inner batch answers whether the
        // batch is still sound.
        [[nodiscard]] bool commit();
        // Nothing of the batch is kept: an operation that stops on a failure of its own
        // (another table, a refusal) leaves the table as it was.
        void abandon();

    private:
        RecordTable& table_;
        bool ended_ = false;
    };

    RecordTable(const TableLayout& layout, const QString& location, const QString& name);
    ~RecordTable();
    RecordTable(const RecordTable&) = delete;
    RecordTable& operator=(const RecordTable&) = delete;

    const TableLayout& layout() const { return layout_; }
    QString filePath() const;
    // Why the last failed operation failed, in French; empty when none did since the
    // table was opened. Inside a batch, the first failure is kept.
    const QString& errorText() const { return errorText_; }

    bool Open();
    // Closing inside a batch ends it as going out of scope would.
    void Close();
    bool isOpen() const { return file_.isOpen(); }
    // Deletes every record; an open table stays open, a closed one is opened for it.
    bool Empty();

    int RecordCount() const { return static_cast<int>(records_.size()); }
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    // 1-based place of the current record in the active order, 0 on an empty table.
    int RecNo() const { return current_ + 1; }
    void SetRecNo(int number);
    // Moves to the first record whose leading order fields equal the values; false,
    // with the cursor left where it was, when there is none.
    bool FindKey(const QVariantList& values);
    // Walks the records in another order (an index of the layout; empty for the key).
    bool SetIndex(const QString& indexName);

    Bookmark GetBookmark() const;
    bool GotoBookmark(const Bookmark& bookmark);

    bool Edit();
    void Insert();
    void Append() { Insert(); }
    bool Post();
    void Cancel();
    // Removes the current record; the cursor moves to the record that followed it.
    bool Delete();

    int FieldCount() const { return static_cast<int>(layout_.fields.size()); }
    // Empty values read as 0, "" and false.
    int integer(const QString& field) const;
    QString text(const QString& field) const;
    bool boolean(const QString& field) const;
    bool isNull(const QString& field) const;
    // Texts are stored without their trailing spaces.
    void setInteger(const QString& field, qint64 value);
    void setText(const QString& field, const QString& value);
    void setBoolean(const QString& field, bool value);
    void clear(const QString& field);
    QVariant value(int position) const;
    void setValue(int position, const QVariant& value);

private:
    enum class Mode { Browse, Edit, Insert };

    const TableRecord* currentRecord() const;
    int position(const QString& field) const;
    void settle();
    bool reload();
    void forgetRecords();
    void beginBatch();
    bool endBatch(bool keep);
    bool writable() const { return batchDepth_ == 0 || !batchFailed_; }
    bool failWith(const QString& text);
    bool failWrite(const QString& text);
    static QString KeptContent();

    TableLayout layout_;
    QString location_;
    QString name_;
    SqliteFile file_;
    std::vector<TableRecord> records_;
    RecordOrder order_;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    Mode mode_ = Mode::Browse;
    TableRecord buffer_;
    int batchDepth_ = 0;
    bool batchFailed_ = false;
    QString errorText_;
};
