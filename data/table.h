#pragma once

#include "data/fielddef.h"
#include "data/fieldvalue.h"

#include <QList>
#include <QObject>
#include <QVector>
#include <functional>
#include <memory>

class Connection;
class DataLink;
class DataSource;
class Statement;
struct TableOrdering;

// One database table read as a snapshot in stored order, with one cursor shared by every window.
// Changes are stored at once on Post and Delete; a pending change is completed by every move.
class Table : public QObject {
    Q_OBJECT

public:
    enum class State { Closed, Browse, Edit, Insert };
    enum LocateOption { NoLocateOptions = 0, CaseInsensitive = 1, PartialKey = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)

    Table(Connection* connection, const QString& componentName, const QString& tableName, QObject* parent);
    ~Table() override;

    QString componentName() const { return objectName(); }
    QString tableName() const { return tableName_; }
    const Connection& connection() const { return *connection_; }

    void open();
    void close();
    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    bool canModify() const;

    void first();
    void last();
    void next();
    void prior();
    // Moves the cursor by distance records (a grid's row move), stopping at either end.
    void moveBy(int distance);
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    int recordCount() const;
    // 0-based place of the cursor in the snapshot, -1 when empty.
    int recordIndex() const;

    bool locate(const QString& field, const FieldValue& value, LocateOptions options);

    const QVector<FieldDef>& fields() const { return fields_; }
    int fieldIndex(const QString& field) const; // -1 when the table has no such field
    QString fieldAsText(const QString& field) const;
    FieldValue fieldValue(const QString& field) const;
    void setFieldValue(const QString& field, const FieldValue& value);
    // A value of any record, for controls that show many rows at once; the cursor stays.
    FieldValue valueAt(int record, int field) const;

    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    void refresh();
    // Appends the records that other programs stored since the snapshot was read, leaving the
    // cursor, the records already read and any change in progress as they are; gives how many.
    int takeInNewRecords();
    // True while the pending change has at least one field write.
    bool isModified() const { return modified_; }
    // Why the pending change could not be stored on a server when it was last posted (the
    // server's message); empty when it was not posted yet, was stored, or the table is a file's.
    const QString& notStoredReason() const { return notStoredReason_; }

    void addDataSource(DataSource* source);
    void removeDataSource(DataSource* source);

private:
    struct Record {
        qint64 rowid = 0; // 0 for a record not stored yet
        QVector<FieldValue> values;
    };

    [[noreturn]] void fail(const QString& message) const;
    void checkOpen() const;
    void checkCanModify() const;
    int requireField(const QString& field) const;
    // A value in the kind of its field: numbers and dates parsed from text where they can be.
    static FieldValue convertedValue(const FieldDef& field, const FieldValue& value);
    // A value about to be written: converted, and text cut to the field's declared size.
    static FieldValue storedValue(const FieldDef& field, const FieldValue& value);
    void readSnapshot();
    // The field values of a "SELECT rowid, *" row, in the snapshot's fields.
    QVector<FieldValue> rowValues(const Statement& select) const;
    void completePending();
    enum class InsertPlace { AtCursor, AtEnd };
    void startInsert(InsertPlace place);
    void storeInsert();
    void readBackStored();
    void storeEdit();
    void setState(State state);
    const TableOrdering& orderBy(int field) const;
    void snapshotChanged();
    void notify(const std::function<void(DataLink*)>& notice);

    Connection* connection_;
    QString tableName_;
    State state_ = State::Closed;
    QVector<FieldDef> fields_;
    QVector<Record> records_;
    int cursor_ = 0;
    bool bof_ = false;
    bool eof_ = false;
    bool modified_ = false;
    QVector<FieldValue> valuesBeforeEdit_;
    QString notStoredReason_;
    QList<DataSource*> sources_;

    // Orderings by key field for Locate, built once and kept until the snapshot changes.
    mutable QVector<std::shared_ptr<const TableOrdering>> orderings_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Table::LocateOptions)
