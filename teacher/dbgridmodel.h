#pragma once

#include "data/forwardingdatalink.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVector>
#include <functional>

class Table;

// A column of a data grid: the field it shows, its title, its width in pixels (0 for the
// default width of its field), and whether it only shows (the key the engine numbers itself).
struct DBGridColumn {
    QString field;
    QString title;
    int width = 0;
    bool readOnly = false;
};

// The records of a data source's table as the rows of a grid, read straight from the table's
// snapshot, so that the grid never holds a copy of its own. The vertical header is the indicator
// column: it marks the current record and its edit state.
class DBGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The role under which a cell tells its editor the longest text the field takes (0: no limit).
    static constexpr int MaxLengthRole = Qt::UserRole + 1;
    // Told by the indicator of a row whose change could not be stored, before the reason.
    static inline const QString notStoredText = QStringLiteral("Изменение не сохранено: ");

    explicit DBGridModel(QObject* parent = nullptr);

    DataSource* dataSource() const { return link_.dataSource(); }
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
    // The cell editor's way in: writeCell, with a refused value shown to the user.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Writes a cell's text into the field of the current record (which must be the cell's row),
    // putting the table into edit mode first. Unchanged text writes nothing; a value the field
    // refuses throws. False when the cell is not one that can be written.
    bool writeCell(const QModelIndex& index, const QString& text);

    // Called when the table is about to store its pending change, so that an open cell editor
    // writes its text first. A plain call rather than a signal: a refused value throws through it
    // and stops the post.
    void setEditorWriter(std::function<void()> writer) { editorWriter_ = std::move(writer); }

signals:
    // The table's cursor may stand on another row now.
    void cursorMoved();

private:
    void activeChanged();
    void dataSetChanged();
    void dataSetScrolled();
    void recordChanged();
    void editingChanged();
    void readFields();
    void syncRows();
    void updateIndicator();

    ForwardingDataLink link_;
    QList<DBGridColumn> columns_;
    QVector<int> fieldIndexes_;
    int rows_ = 0;
    int indicatorRow_ = -1;
    std::function<void()> editorWriter_;
};
