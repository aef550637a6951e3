#pragma once

#include <QTableView>

#include "teacher/dbgridmodel.h"

class DataSource;
class DBGridDelegate;
class Table;

// A grid over the table of one data source: one row per record in table order, in-place editing
// of the cells, and the current row always the table's cursor.
class DBGrid : public QTableView {
    Q_OBJECT

public:
    explicit DBGrid(QWidget* parent = nullptr);

    DataSource* dataSource() const { return model_->dataSource(); }
    void setDataSource(DataSource* source);

    void setColumns(const QList<DBGridColumn>& columns);
    const QList<DBGridColumn>& columns() const { return model_->columns(); }

    DBGridModel* gridModel() const { return model_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    Table* table() const { return model_->table(); }
    // Puts the view's current cell on the table's cursor.
    void followCursor();
    // Moves the table's cursor to the record shown in row, completing a pending change first.
    void moveCursorTo(int row);
    void writeOpenEditor();
    void deleteWithConfirmation();
    void dropUnchangedInsert();
    void applyDefaultWidths();
    bool owns(const QWidget* widget) const;

    DBGridModel* model_;
    DBGridDelegate* delegate_;
    bool following_ = false;
};
