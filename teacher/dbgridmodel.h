#pragma once

#include "data/datalink.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVector>

class Table;

// A column of a data grid: the field it shows, its title and its width in pixels (0 for the
// default width of its field).
struct DBGridColumn {
    QString field;
    QString title;
    int width = 0;
};

// The records of a data source's table as the rows of a grid, read straight from the table's
// snapshot, so that the grid never holds a copy of its own. The vertical header is the indicator
// column: it marks the current record and its edit state.
class DBGridModel : public QAbstractTableModel, public DataLink {
    Q_OBJECT

public:
    // The role under which a cell tells its editor the longest text the field takes (0: no limit).
    static constexpr int MaxLengthRole = Qt::UserRole + 1;

    explicit DBGridModel(QObject* parent = nullptr);

    void bindTo(DataSource* source);
    // The bound table when it is open, else null.
    Table* table() const;

    void setColumns(const QList<DBGridColumn>& columns);
    const QList<DBGridColumn>& columns() const { return columns_; }
    // Index of the column's field in the table, -1 when the table lacks it or is closed.
    int fieldOf(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes a cell's text into the field of the current record (which must be the cell's row),
    // putting the table into edit mode first. Unchanged text writes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled(int distance) override;
    void recordChanged(const QString& field) override;
    void editingChanged() override;
    void updateData() override;

signals:
    // The table's cursor may stand on another row now.
    void cursorMoved();
    // The table is about to store its pending change: an open cell editor must write its text.
    void updateDataRequested();

private:
    void readFields();
    void syncRows();
    void updateIndicator();

    QList<DBGridColumn> columns_;
    QVector<int> fieldIndexes_;
    int rows_ = 0;
    int indicatorRow_ = -1;
};
