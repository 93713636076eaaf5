#include "RecordTable.h"

#include <QDir>

#include <algorithm>

RecordTable::Batch::Batch(RecordTable& table) : table_(table) {
    table_.beginBatch();
}

RecordTable::Batch::~Batch() {
    if (!ended_) {
        table_.endBatch(true);
    }
}

void RecordTable::Batch::abandon() {
    if (!ended_) {
        ended_ = true;
        table_.endBatch(false);
    }
}

bool RecordTable::Batch::commit() {
    if (ended_) {
        return false;
    }
    ended_ = true;
    return table_.endBatch(true);
}

RecordTable::RecordTable(const TableLayout& layout, const QString& location, const QString& name)
    : layout_(layout),
      location_(location),
      name_(name),
      order_(layout_, *layout_.orderFields(QString()), true) {}

RecordTable::~RecordTable() {
    Close();
}

QString RecordTable::filePath() const {
    const QDir folder(location_.isEmpty() ? QDir::currentPath() : location_);
    return folder.absoluteFilePath(name_);
}

bool RecordTable::Open() {
    if (isOpen()) {
        return true;
    }
    errorText_.clear();
    if (!file_.open(filePath(), layout_)) {
        return failWith(file_.errorText());
    }
    if (!reload()) {
        file_.close();
        return false;
    }
    return true;
}

void RecordTable::Close() {
    if (batchDepth_ > 0) {
        batchDepth_ = 1;
        endBatch(true);
    }
    settle();
    file_.close();
    forgetRecords();
}

bool RecordTable::Empty() {
    if (!isOpen()) {
        SqliteFile file;
        if (!file.open(filePath(), layout_) || !file.removeAll()) {
            return failWith(file.errorText());
        }
        return true;
    }
    Cancel();
    if (!writable()) {
        return false;
    }
    if (!file_.removeAll()) {
        return failWrite(file_.errorText());
    }
    forgetRecords();
    return true;
}

void RecordTable::forgetRecords() {
    records_.clear();
    current_ = -1;
    eof_ = bof_ = true;
}

void RecordTable::First() {
    settle();
    current_ = records_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = records_.empty();
}

void RecordTable::Last() {
    settle();
    current_ = RecordCount() - 1;
    eof_ = true;
    bof_ = records_.empty();
}

void RecordTable::Next() {
    settle();
    if (current_ + 1 >= RecordCount()) {
        eof_ = true;
        return;
    }
    ++current_;
    eof_ = bof_ = false;
}

void RecordTable::Prior() {
    settle();
    if (current_ <= 0) {
        bof_ = true;
        return;
    }
    --current_;
    eof_ = bof_ = false;
}

void RecordTable::SetRecNo(int number) {
    settle();
    if (number >= 1 && number <= RecordCount()) {
        current_ = number - 1;
        eof_ = bof_ = false;
    }
}

bool RecordTable::FindKey(const QVariantList& values) {
    settle();
    const int count = static_cast<int>(std::min(values.size(), order_.fields().size()));
    if (count == 0) {
        return false;
    }
    TableRecord probe{0, QVariantList(FieldCount())};
    for (int at = 0; at < count; ++at) {
        const int field = order_.fields()[at];
        probe.values[field] = RecordOrder::normalized(values[at], layout_.fields[field].type);
    }
    const auto found = order_.find(records_, probe, count);
    if (found == records_.end()) {
        return false;
    }
    current_ = static_cast<int>(found - records_.begin());
    eof_ = bof_ = false;
    return true;
}

bool RecordTable::SetIndex(const QString& indexName) {
    const std::optional<QList<int>> fields = layout_.orderFields(indexName);
    if (!fields) {
        return failWith(QStringLiteral("La table \"%1\" n'a pas d'index \"%2\".")
                            .arg(QDir::toNativeSeparators(filePath()), indexName));
    }
    settle();
    const Bookmark here = GetBookmark();
    order_ = RecordOrder(layout_, *fields, indexName.isEmpty());
    order_.sort(records_);
    GotoBookmark(here);
    return true;
}

RecordTable::Bookmark RecordTable::GetBookmark() const {
    return {current_ >= 0 ? records_[static_cast<std::size_t>(current_)].id : 0};
}

bool RecordTable::GotoBookmark(const Bookmark& bookmark) {
    settle();
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [&](const TableRecord& r) { return r.id == bookmark.id; });
    if (found == records_.end()) {
        return false;
    }
    current_ = static_cast<int>(found - records_.begin());
    eof_ = bof_ = false;
    return true;
}

bool RecordTable::Edit() {
    if (mode_ != Mode::Browse) {
        return true;
    }
    if (current_ < 0) {
        return failWrite(QStringLiteral("La table \"%1\" n'a pas de ligne courante.")
                             .arg(QDir::toNativeSeparators(filePath())));
    }
    buffer_ = records_[static_cast<std::size_t>(current_)];
    mode_ = Mode::Edit;
    return true;
}

void RecordTable::Insert() {
    settle();
    buffer_ = TableRecord{0, QVariantList(FieldCount())};
    mode_ = Mode::Insert;
}

bool RecordTable::Post() {
    if (mode_ == Mode::Browse) {
        return true;
    }
    if (!writable()) {
        return false;
    }
    if (!isOpen()) {
        return failWrite(QStringLiteral("La table \"%1\" n'est pas ouverte.")
                             .arg(QDir::toNativeSeparators(filePath())));
    }
    if (order_.keyTaken(records_, buffer_)) {
        return failWrite(QStringLiteral("La table \"%1\" a déjà une ligne de cette clé.")
                             .arg(QDir::toNativeSeparators(filePath())));
    }
    if (mode_ == Mode::Insert) {
        const std::optional<qint64> id = file_.insert(buffer_.values);
        if (!id) {
            return failWrite(file_.errorText());
        }
        buffer_.id = *id;
    } else {
        if (!file_.update(buffer_.id, buffer_.values)) {
            return failWrite(file_.errorText());
        }
        if (order_.staysAt(records_, static_cast<std::size_t>(current_), buffer_)) {
            records_[static_cast<std::size_t>(current_)] = std::move(buffer_);
            mode_ = Mode::Browse;
            return true;
        }
        records_.erase(records_.begin() + current_);
    }
    const std::size_t place = order_.placeFor(records_, buffer_);
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(place), std::move(buffer_));
    current_ = static_cast<int>(place);
    eof_ = bof_ = false;
    mode_ = Mode::Browse;
    return true;
}

void RecordTable::Cancel() {
    mode_ = Mode::Browse;
}

bool RecordTable::Delete() {
    Cancel();
    if (current_ < 0 || !writable()) {
        return false;
    }
    if (!file_.remove(records_[static_cast<std::size_t>(current_)].id)) {
        return failWrite(file_.errorText());
    }
    records_.erase(records_.begin() + current_);
    if (current_ >= RecordCount()) {
        current_ = RecordCount() - 1;
        eof_ = true;
    }
    bof_ = records_.empty();
    return true;
}

int RecordTable::integer(const QString& field) const {
    return static_cast<int>(value(position(field)).toLongLong());
}

QString RecordTable::text(const QString& field) const {
    return value(position(field)).toString();
}

bool RecordTable::boolean(const QString& field) const {
    return value(position(field)).toLongLong() != 0;
}

bool RecordTable::isNull(const QString& field) const {
    return value(position(field)).isNull();
}

void RecordTable::setInteger(const QString& field, qint64 number) {
    setValue(position(field), QVariant::fromValue<qlonglong>(number));
}

void RecordTable::setText(const QString& field, const QString& text) {
    setValue(position(field), text);
}

void RecordTable::setBoolean(const QString& field, bool flag) {
    setValue(position(field), flag);
}

void RecordTable::clear(const QString& field) {
    setValue(position(field), QVariant());
}

QVariant RecordTable::value(int at) const {
    const TableRecord* record = currentRecord();
    if (record == nullptr || at < 0 || at >= FieldCount()) {
        return QVariant();
    }
    return record->values[at];
}

// Writing the value a field already holds starts no edit, so that a pass over every
// line writes only the lines it changes.
void RecordTable::setValue(int at, const QVariant& newValue) {
    Q_ASSERT(at >= 0 && at < FieldCount());
    if (at < 0 || at >= FieldCount()) {
        return;
    }
    const QVariant stored = RecordOrder::normalized(newValue, layout_.fields[at].type);
    if (mode_ == Mode::Browse && current_ >= 0 &&
        records_[static_cast<std::size_t>(current_)].values[at] == stored) {
        return;
    }
    if (Edit()) {
        buffer_.values[at] = stored;
    }
}

const TableRecord* RecordTable::currentRecord() const {
    if (mode_ != Mode::Browse) {
        return &buffer_;
    }
    return current_ >= 0 ? &records_[static_cast<std::size_t>(current_)] : nullptr;
}

int RecordTable::position(const QString& field) const {
    const int at = layout_.fieldIndex(field);
    Q_ASSERT_X(at >= 0, "RecordTable", "unknown field");
    return at;
}

// A pending edit is posted before the cursor leaves it; one that cannot be posted is
// dropped (its error stays in errorText) so that the cursor can still move.
void RecordTable::settle() {
    if (mode_ != Mode::Browse && !Post()) {
        Cancel();
    }
}

bool RecordTable::reload() {
    mode_ = Mode::Browse;
    if (!file_.readAll(records_)) {
        return failWith(file_.errorText());
    }
    order_.sort(records_);
    current_ = records_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = records_.empty();
    return true;
}

void RecordTable::beginBatch() {
    if (batchDepth_++ > 0) {
        return;
    }
    batchFailed_ = false;
    if (!isOpen()) {
        failWrite(QStringLiteral("La table \"%1\" n'est pas ouverte.")
                      .arg(QDir::toNativeSeparators(filePath())));
    } else if (!file_.begin()) {
        failWrite(file_.errorText());
    }
}

// A batch that cannot be kept is rolled back, and the records are read again so that
// memory never shows what the file does not hold; errorText keeps the cause.
bool RecordTable::endBatch(bool keep) {
    if (batchDepth_ == 0) {
        return false;  // the table was closed inside the batch, which ended it
    }
    if (batchDepth_ > 1) {
        if (!keep) {
            failWrite(QStringLiteral("Les changements de la table \"%1\" ont été abandonnés.")
                          .arg(QDir::toNativeSeparators(filePath())));
        }
        --batchDepth_;
        return !batchFailed_;
    }
    // Still inside the batch: a pending edit that cannot be posted fails it.
    if (keep) {
        settle();
    }
    Cancel();
    batchDepth_ = 0;
    if (keep && !batchFailed_) {
        if (file_.commit()) {
            return true;
        }
        failWith(file_.errorText() + KeptContent());
        batchFailed_ = true;
    }
    file_.rollback();
    if (!isOpen()) {
        return false;
    }
    const QString cause = errorText_;
    reload();
    errorText_ = cause;
    return false;
}

bool RecordTable::failWith(const QString& text) {
    errorText_ = text;
    return false;
}

// Inside a batch the first failure is the one to tell: the writes after it are refused,
// and the batch can only be rolled back, which the text already says.
bool RecordTable::failWrite(const QString& text) {
    if (batchDepth_ == 0) {
        return failWith(text);
    }
    if (batchFailed_) {
        return false;
    }
    batchFailed_ = true;
    return failWith(text + KeptContent());
}

QString RecordTable::KeptContent() {
    return QStringLiteral("\nLa table garde son contenu précédent.");
}
