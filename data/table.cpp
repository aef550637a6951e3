#include "data/table.h"

#include "data/connection.h"
#include "data/datalink.h"
#include "data/datasource.h"
#include "data/statement.h"
#include "platform/apperror.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

constexpr auto quoted = &Statement::quotedIdentifier;

// Where a value stands in a Locate ordering: nulls first, then numbers, dates and texts, texts
// compared with their case folded away.
struct SortKey {
    int rank = 0;
    qint64 number = 0;
    QString text;

    static SortKey of(const FieldValue& value)
    {
        switch (value.kind()) {
        case FieldValue::Kind::Null: return {0, 0, {}};
        case FieldValue::Kind::Integer: return {1, value.toInteger(), {}};
        case FieldValue::Kind::Date: return {2, 0, value.asDate().toString(Qt::ISODate)};
        case FieldValue::Kind::Text: return {3, 0, value.asText().toCaseFolded()};
        }
        return {};
    }

    friend bool operator<(const SortKey& a, const SortKey& b)
    {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.number != b.number)
            return a.number < b.number;
        return a.text < b.text;
    }
};

const QString closedMessage = QStringLiteral("Cannot perform this operation on a closed dataset");
const QString emptyMessage = QStringLiteral("Cannot perform this operation on an empty dataset");
const QString notEditingMessage = QStringLiteral("Dataset not in edit or insert mode");
const QString readOnlyMessage = QStringLiteral("Cannot modify a read-only dataset");

} // namespace

struct TableOrdering {
    std::vector<int> records;
    std::vector<SortKey> keys; // keys[i] belongs to records[i]
};

Table::Table(Connection* connection, const QString& componentName, const QString& tableName, QObject* parent)
    : QObject(parent),
      connection_(connection),
      tableName_(tableName)
{
    setObjectName(componentName);
}

Table::~Table() = default;

void Table::fail(const QString& message) const
{
    throw AppError(componentName() + QStringLiteral(": ") + message);
}

void Table::checkOpen() const
{
    if (state_ == State::Closed)
        fail(closedMessage);
}

void Table::checkCanModify() const
{
    if (!canModify())
        fail(readOnlyMessage);
}

bool Table::canModify() const
{
    return connection_->isConnected() && !connection_->isReadOnly();
}

void Table::open()
{
    if (isOpen())
        return;
    if (!connection_->isConnected())
        throw AppError(connection_->engineMessage());
    readSnapshot();
    cursor_ = 0;
    bof_ = true;
    eof_ = records_.isEmpty();
    modified_ = false;
    state_ = State::Browse;
    snapshotChanged();
    notify([](DataLink* link) { link->activeChanged(); });
}

void Table::readSnapshot()
{
    Statement select(*connection_, QStringLiteral("SELECT rowid, * FROM ") + quoted(tableName_));
    QVector<FieldDef> fields;
    // A server's tables carry their row number as a last column of their own, which "*" repeats.
    int columns = select.columnCount();
    if (connection_->isServer() && columns > 1 && select.columnName(columns - 1) == QLatin1String("rowid"))
        --columns;
    for (int column = 1; column < columns; ++column)
        fields.append(FieldDef::fromDeclaration(select.columnName(column), select.columnDeclaredType(column)));
    QVector<Record> records;
    while (select.step()) {
        Record record;
        record.rowid = select.columnInteger(0);
        record.values.reserve(fields.size());
        for (int column = 1; column <= fields.size(); ++column)
            record.values.append(convertedValue(fields[column - 1], select.columnValue(column)));
        records.append(std::move(record));
    }
    fields_ = std::move(fields);
    records_ = std::move(records);
}

void Table::close()
{
    if (!isOpen())
        return;
    state_ = State::Closed;
    records_.clear();
    valuesBeforeEdit_.clear();
    notStoredReason_.clear();
    cursor_ = 0;
    bof_ = eof_ = modified_ = false;
    snapshotChanged();
    notify([](DataLink* link) { link->activeChanged(); });
}

int Table::recordCount() const
{
    checkOpen();
    return records_.size();
}

int Table::recordIndex() const
{
    checkOpen();
    return records_.isEmpty() ? -1 : cursor_;
}

void Table::first()
{
    checkOpen();
    completePending();
    cursor_ = 0;
    bof_ = true;
    eof_ = records_.isEmpty();
    notify([](DataLink* link) { link->dataSetChanged(); });
}

void Table::last()
{
    checkOpen();
    completePending();
    cursor_ = std::max(0, static_cast<int>(records_.size()) - 1);
    eof_ = true;
    bof_ = records_.isEmpty();
    notify([](DataLink* link) { link->dataSetChanged(); });
}

void Table::next()
{
    checkOpen();
    completePending();
    if (eof_)
        return;
    bof_ = eof_ = false;
    if (cursor_ + 1 < records_.size()) {
        ++cursor_;
        notify([](DataLink* link) { link->dataSetScrolled(1); });
    } else {
        eof_ = true;
        // The cursor stays, but bound controls (a navigator's buttons) follow the end flag.
        notify([](DataLink* link) { link->dataSetScrolled(0); });
    }
}

void Table::prior()
{
    checkOpen();
    completePending();
    if (bof_)
        return;
    bof_ = eof_ = false;
    if (cursor_ > 0) {
        --cursor_;
        notify([](DataLink* link) { link->dataSetScrolled(-1); });
    } else {
        bof_ = true;
        notify([](DataLink* link) { link->dataSetScrolled(0); });
    }
}

void Table::moveBy(int distance)
{
    checkOpen();
    completePending();
    if (records_.isEmpty() || distance == 0)
        return;
    const bool wasBof = bof_;
    const bool wasEof = eof_;
    const int target = cursor_ + distance;
    const int last = records_.size() - 1;
    const int place = std::clamp(target, 0, last);
    bof_ = target < 0;
    eof_ = target > last;
    const bool flagsChanged = bof_ != wasBof || eof_ != wasEof;
    const int moved = place - cursor_;
    cursor_ = place;
    if (moved != 0 || flagsChanged)
        notify([moved](DataLink* link) { link->dataSetScrolled(moved); });
}

int Table::fieldIndex(const QString& field) const
{
    for (int index = 0; index < fields_.size(); ++index)
        if (fields_[index].name.compare(field, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

int Table::requireField(const QString& field) const
{
    checkOpen();
    const int index = fieldIndex(field);
    if (index < 0)
        fail(QStringLiteral("Field '%1' not found").arg(field));
    return index;
}

FieldValue Table::fieldValue(const QString& field) const
{
    const int index = requireField(field);
    if (records_.isEmpty())
        return {};
    return records_[cursor_].values[index];
}

QString Table::fieldAsText(const QString& field) const
{
    return fieldValue(field).asText();
}

FieldValue Table::valueAt(int record, int field) const
{
    checkOpen();
    if (record < 0 || record >= records_.size() || field < 0 || field >= fields_.size())
        return {};
    return records_[record].values[field];
}

FieldValue Table::convertedValue(const FieldDef& field, const FieldValue& value)
{
    if (value.isNull() || value.kind() != FieldValue::Kind::Text) {
        if (!value.isNull() && (field.kind == FieldDef::Kind::Text || field.kind == FieldDef::Kind::Memo))
            return FieldValue(value.asText());
        return value;
    }
    const QString text = value.asText().trimmed();
    switch (field.kind) {
    case FieldDef::Kind::Integer: {
        if (text.isEmpty())
            return {};
        bool ok = false;
        const qint64 number = text.toLongLong(&ok);
        return ok ? FieldValue(number) : value;
    }
    case FieldDef::Kind::Date: {
        if (text.isEmpty())
            return {};
        QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        if (!date.isValid())
            date = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
        return date.isValid() ? FieldValue(date) : value;
    }
    case FieldDef::Kind::Text:
    case FieldDef::Kind::Memo: break;
    }
    return value;
}

FieldValue Table::storedValue(const FieldDef& field, const FieldValue& value)
{
    const FieldValue converted = convertedValue(field, value);
    if (field.kind == FieldDef::Kind::Text && field.size > 0 && converted.asText().size() > field.size)
        return FieldValue(converted.asText().left(field.size));
    return converted;
}

void Table::setFieldValue(const QString& field, const FieldValue& value)
{
    const int index = requireField(field);
    if (state_ != State::Edit && state_ != State::Insert)
        fail(notEditingMessage);
    FieldValue stored = storedValue(fields_[index], value);
    // A value the column's kind cannot hold is refused here rather than stored as something else.
    if (fields_[index].kind == FieldDef::Kind::Integer && stored.kind() == FieldValue::Kind::Text)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(stored.asText()));
    if (fields_[index].kind == FieldDef::Kind::Date && stored.kind() == FieldValue::Kind::Text)
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(stored.asText()));
    records_[cursor_].values[index] = std::move(stored);
    modified_ = true;
    const QString name = fields_[index].name;
    notify([&name](DataLink* link) { link->recordChanged(name); });
}

void Table::startInsert(InsertPlace place)
{
    checkOpen();
    checkCanModify();
    // Completing a changed new record moves it to the end, so the place is taken only afterwards.
    completePending();
    Record record;
    record.values.resize(fields_.size());
    const int at = place == InsertPlace::AtEnd || records_.isEmpty() ? records_.size() : cursor_;
    records_.insert(at, record);
    cursor_ = at;
    modified_ = false;
    snapshotChanged();
    setState(State::Insert);
    notify([](DataLink* link) { link->dataSetChanged(); });
}

void Table::insert()
{
    startInsert(InsertPlace::AtCursor);
}

void Table::append()
{
    startInsert(InsertPlace::AtEnd);
}

void Table::edit()
{
    checkOpen();
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (records_.isEmpty()) {
        insert();
        return;
    }
    checkCanModify();
    valuesBeforeEdit_ = records_[cursor_].values;
    modified_ = false;
    setState(State::Edit);
    notify([](DataLink* link) { link->recordChanged(QString()); });
}

void Table::post()
{
    checkOpen();
    if (state_ != State::Edit && state_ != State::Insert)
        fail(notEditingMessage);
    notify([](DataLink* link) { link->updateData(); });
    try {
        if (state_ == State::Insert)
            storeInsert();
        else
            storeEdit();
    } catch (const AppError& error) {
        // On a server the change stays in its row, marked, to be posted again once a lost
        // connection has come back; a course file keeps the indicator it always showed.
        if (connection_->isServer()) {
            notStoredReason_ = error.message();
            notify([](DataLink* link) { link->editingChanged(); });
        }
        throw;
    }
    notStoredReason_.clear();
    modified_ = false;
    valuesBeforeEdit_.clear();
    bof_ = eof_ = false;
    snapshotChanged();
    setState(State::Browse);
    notify([](DataLink* link) { link->dataSetChanged(); });
}

void Table::storeInsert()
{
    Record& record = records_[cursor_];
    QStringList columns;
    QVector<FieldValue> values;
    for (int field = 0; field < fields_.size(); ++field) {
        if (!record.values[field].isNull()) {
            columns.append(quoted(fields_[field].name));
            values.append(record.values[field]);
        }
    }
    QString sql = QStringLiteral("INSERT INTO ") + quoted(tableName_);
    if (columns.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        sql += QStringLiteral(" (") + columns.join(u',') + QStringLiteral(") VALUES (");
        sql += QStringList(values.size(), QStringLiteral("?")).join(u',') + u')';
    }
    if (connection_->isServer())
        sql += QStringLiteral(" RETURNING rowid");
    Statement statement(*connection_, sql);
    for (int index = 0; index < values.size(); ++index)
        statement.bind(index + 1, values[index]);
    statement.run();

    // From here the row is stored: the record takes its stored place at once, so that nothing
    // that fails later can leave it pending and have it inserted a second time.
    Record stored;
    stored.rowid = connection_->lastInsertRowId();
    stored.values = record.values;
    records_.remove(cursor_);
    records_.append(std::move(stored));
    cursor_ = records_.size() - 1;
    readBackStored();
}

void Table::readBackStored()
{
    Record& stored = records_[cursor_];
    // The key the engine numbered and any defaults show at once. Reading them is a courtesy: if
    // it fails, the record keeps the values written, and a refresh brings the rest.
    try {
        Statement reread(*connection_,
                         QStringLiteral("SELECT * FROM ") + quoted(tableName_) + QStringLiteral(" WHERE rowid = ?"));
        reread.bind(1, FieldValue(stored.rowid));
        if (reread.step())
            for (int field = 0; field < fields_.size() && field < reread.columnCount(); ++field)
                stored.values[field] = convertedValue(fields_[field], reread.columnValue(field));
    } catch (const AppError&) {}
}

void Table::storeEdit()
{
    Record& record = records_[cursor_];
    QStringList assignments;
    QVector<FieldValue> values;
    for (int field = 0; field < fields_.size(); ++field) {
        if (field >= valuesBeforeEdit_.size() || !(record.values[field] == valuesBeforeEdit_[field])) {
            assignments.append(quoted(fields_[field].name) + QStringLiteral(" = ?"));
            values.append(record.values[field]);
        }
    }
    if (assignments.isEmpty())
        return;
    Statement statement(*connection_, QStringLiteral("UPDATE ") + quoted(tableName_) + QStringLiteral(" SET ")
                                          + assignments.join(u',') + QStringLiteral(" WHERE rowid = ?"));
    for (int index = 0; index < values.size(); ++index)
        statement.bind(index + 1, values[index]);
    statement.bind(values.size() + 1, FieldValue(record.rowid));
    statement.run();
    if (connection_->changes() == 0)
        throw AppError(QStringLiteral(
            "Row cannot be located for updating. Some values may have been changed since it was last read."));
    // Writing the key that the engine uses as row number moves the row under another number.
    Statement reread(*connection_,
                     QStringLiteral("SELECT rowid FROM ") + quoted(tableName_) + QStringLiteral(" WHERE rowid = ?"));
    reread.bind(1, FieldValue(record.rowid));
    if (!reread.step()) {
        for (int field = 0; field < fields_.size(); ++field)
            if (fields_[field].kind == FieldDef::Kind::Integer && !(record.values[field] == valuesBeforeEdit_[field])
                && !record.values[field].isNull())
                record.rowid = record.values[field].toInteger();
    }
}

void Table::cancel()
{
    checkOpen();
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    if (state_ == State::Insert) {
        records_.remove(cursor_);
        cursor_ = std::clamp(cursor_, 0, std::max(0, static_cast<int>(records_.size()) - 1));
        snapshotChanged();
    } else {
        records_[cursor_].values = valuesBeforeEdit_;
    }
    valuesBeforeEdit_.clear();
    notStoredReason_.clear();
    modified_ = false;
    if (records_.isEmpty())
        bof_ = eof_ = true;
    setState(State::Browse);
    notify([](DataLink* link) { link->dataSetChanged(); });
}

void Table::deleteRecord()
{
    checkOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (records_.isEmpty())
        fail(emptyMessage);
    checkCanModify();
    const qint64 rowid = records_[cursor_].rowid;
    Statement statement(*connection_,
                        QStringLiteral("DELETE FROM ") + quoted(tableName_) + QStringLiteral(" WHERE rowid = ?"));
    statement.bind(1, FieldValue(rowid));
    statement.run();
    records_.remove(cursor_);
    cursor_ = std::clamp(cursor_, 0, std::max(0, static_cast<int>(records_.size()) - 1));
    valuesBeforeEdit_.clear();
    modified_ = false;
    bof_ = eof_ = records_.isEmpty();
    snapshotChanged();
    if (state_ != State::Browse)
        setState(State::Browse);
    notify([](DataLink* link) { link->dataSetChanged(); });
}

void Table::refresh()
{
    checkOpen();
    completePending();
    Statement select(*connection_, QStringLiteral("SELECT rowid, * FROM ") + quoted(tableName_));
    QHash<qint64, QVector<FieldValue>> rows;
    while (select.step())
        rows.insert(select.columnInteger(0), rowValues(select));
    // Records another program removed in the meantime leave the snapshot; the others get their
    // stored values back.
    QVector<Record> kept;
    int newCursor = 0;
    for (int index = 0; index < records_.size(); ++index) {
        auto found = rows.find(records_[index].rowid);
        if (found == rows.end())
            continue;
        if (index <= cursor_)
            newCursor = kept.size();
        kept.append({records_[index].rowid, found.value()});
    }
    records_ = std::move(kept);
    cursor_ = records_.isEmpty() ? 0 : std::min(newCursor, static_cast<int>(records_.size()) - 1);
    if (records_.isEmpty())
        bof_ = eof_ = true;
    snapshotChanged();
    notify([](DataLink* link) { link->dataSetChanged(); });
}

QVector<FieldValue> Table::rowValues(const Statement& select) const
{
    QVector<FieldValue> values;
    for (int column = 1; column <= fields_.size() && column < select.columnCount(); ++column)
        values.append(convertedValue(fields_[column - 1], select.columnValue(column)));
    values.resize(fields_.size());
    return values;
}

int Table::takeInNewRecords()
{
    checkOpen();
    QSet<qint64> known;
    for (const Record& record : records_)
        known.insert(record.rowid);
    Statement select(*connection_, QStringLiteral("SELECT rowid, * FROM ") + quoted(tableName_));
    int added = 0;
    while (select.step()) {
        const qint64 rowid = select.columnInteger(0);
        if (known.contains(rowid))
            continue;
        records_.append({rowid, rowValues(select)});
        ++added;
    }
    if (added == 0)
        return 0;
    eof_ = false;
    snapshotChanged();
    notify([](DataLink* link) { link->dataSetChanged(); });
    return added;
}

void Table::completePending()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    notify([](DataLink* link) { link->updateData(); });
    if (modified_)
        post();
    else
        cancel();
}

bool Table::locate(const QString& field, const FieldValue& value, LocateOptions options)
{
    checkOpen();
    completePending();
    const int index = fieldIndex(field);
    if (index < 0 || records_.isEmpty())
        return false;

    // The searched value in the field's own kind; one that cannot be converted finds nothing.
    const FieldValue searched = convertedValue(fields_[index], value);
    const FieldDef::Kind kind = fields_[index].kind;
    if ((kind == FieldDef::Kind::Integer || kind == FieldDef::Kind::Date) && searched.kind() == FieldValue::Kind::Text)
        return false;

    const bool isText = searched.kind() == FieldValue::Kind::Text;
    const bool prefix = isText && options.testFlag(PartialKey) && !searched.asText().isEmpty();
    const bool ignoreCase = options.testFlag(CaseInsensitive);
    const SortKey key = SortKey::of(searched);

    const TableOrdering& ordering = orderBy(index);
    auto place = std::lower_bound(ordering.keys.begin(), ordering.keys.end(), key);
    int found = -1;
    for (; place != ordering.keys.end(); ++place) {
        const int record = ordering.records[place - ordering.keys.begin()];
        if (prefix) {
            if (place->rank == key.rank && place->text.startsWith(key.text))
                found = record;
            break;
        }
        if (place->rank != key.rank || place->number != key.number || place->text != key.text)
            break;
        if (!isText || ignoreCase || records_[record].values[index].asText() == searched.asText()) {
            found = record;
            break;
        }
    }
    if (found < 0)
        return false;
    cursor_ = found;
    bof_ = eof_ = false;
    notify([](DataLink* link) { link->dataSetChanged(); });
    return true;
}

const TableOrdering& Table::orderBy(int field) const
{
    if (orderings_.size() != fields_.size())
        orderings_.resize(fields_.size());
    auto& cached = orderings_[field];
    if (!cached) {
        auto ordering = std::make_shared<TableOrdering>();
        std::vector<std::pair<SortKey, int>> entries;
        entries.reserve(records_.size());
        for (int record = 0; record < records_.size(); ++record)
            entries.emplace_back(SortKey::of(records_[record].values[field]), record);
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [key, record] : entries) {
            ordering->keys.push_back(std::move(key));
            ordering->records.push_back(record);
        }
        cached = ordering;
    }
    return *cached;
}

void Table::snapshotChanged()
{
    orderings_.clear();
}

void Table::setState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    notify([](DataLink* link) { link->editingChanged(); });
}

void Table::notify(const std::function<void(DataLink*)>& notice)
{
    for (DataSource* source : QList<DataSource*>(sources_))
        source->notifyLinks(notice);
}

void Table::addDataSource(DataSource* source)
{
    if (!sources_.contains(source))
        sources_.append(source);
}

void Table::removeDataSource(DataSource* source)
{
    sources_.removeOne(source);
}
