#include "teacher/dbgridmodel.h"

#include "data/datasource.h"
#include "data/table.h"
#include "platform/guarded.h"

DBGridModel::DBGridModel(QObject* parent)
    : QAbstractTableModel(parent),
      link_({.activeChanged = [this] { activeChanged(); },
             .dataSetChanged = [this] { dataSetChanged(); },
             .dataSetScrolled = [this](int) { dataSetScrolled(); },
             .recordChanged = [this](const QString&) { recordChanged(); },
             .editingChanged = [this] { editingChanged(); },
             .updateData =
                 [this] {
                     if (editorWriter_)
                         editorWriter_();
                 }})
{}

void DBGridModel::bindTo(DataSource* source)
{
    link_.setDataSource(source);
    activeChanged();
}

Table* DBGridModel::table() const
{
    DataSource* source = link_.dataSource();
    if (!source || !source->table() || !source->table()->isOpen())
        return nullptr;
    return source->table();
}

void DBGridModel::setColumns(const QList<DBGridColumn>& columns)
{
    beginResetModel();
    columns_ = columns;
    readFields();
    endResetModel();
}

void DBGridModel::readFields()
{
    fieldIndexes_.clear();
    Table* open = table();
    for (const DBGridColumn& column : columns_)
        fieldIndexes_.append(open ? open->fieldIndex(column.field) : -1);
}

int DBGridModel::fieldOf(int column) const
{
    return fieldIndexes_.value(column, -1);
}

int DBGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int DBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_.size();
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const
{
    Table* open = table();
    if (!open || !index.isValid())
        return {};
    const int field = fieldOf(index.column());
    if (field < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return open->valueAt(index.row(), field).asText();
    case Qt::TextAlignmentRole:
        if (open->fields()[field].kind == FieldDef::Kind::Integer)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case MaxLengthRole: return open->fields()[field].kind == FieldDef::Kind::Text ? open->fields()[field].size : 0;
    default: return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < columns_.size())
            return columns_[section].title;
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    Table* open = table();
    const bool notStored = open && section == open->recordIndex() && open->state() != Table::State::Browse
                           && !open->notStoredReason().isEmpty();
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
        return notStored ? QVariant(notStoredText + open->notStoredReason()) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    if (!open || section != open->recordIndex())
        return QString();
    // A change the database refused stays in its row until it is posted again or cancelled.
    if (notStored)
        return QStringLiteral("!");
    switch (open->state()) {
    case Table::State::Edit: return QStringLiteral("I");
    case Table::State::Insert: return QStringLiteral("*");
    default: return QStringLiteral("►");
    }
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    Table* open = table();
    if (open && open->canModify() && fieldOf(index.column()) >= 0 && !columns_.value(index.column()).readOnly)
        result |= Qt::ItemIsEditable;
    return result;
}

bool DBGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole)
        return false;
    bool written = false;
    guarded([&] { written = writeCell(index, value.toString()); });
    return written;
}

bool DBGridModel::writeCell(const QModelIndex& index, const QString& text)
{
    Table* open = table();
    if (!open || !index.isValid() || index.row() != open->recordIndex())
        return false;
    const int field = fieldOf(index.column());
    if (field < 0 || columns_[index.column()].readOnly)
        return false;
    if (text == open->valueAt(index.row(), field).asText())
        return true;
    if (open->state() == Table::State::Browse)
        open->edit();
    open->setFieldValue(open->fields()[field].name, text);
    return true;
}

void DBGridModel::syncRows()
{
    Table* open = table();
    const int count = open ? open->recordCount() : 0;
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    } else if (count < rows_) {
        beginRemoveRows({}, count, rows_ - 1);
        rows_ = count;
        endRemoveRows();
    }
}

void DBGridModel::updateIndicator()
{
    Table* open = table();
    const int current = open ? open->recordIndex() : -1;
    const int previous = indicatorRow_;
    indicatorRow_ = current;
    if (previous >= 0 && previous < rows_)
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (current >= 0 && current < rows_)
        emit headerDataChanged(Qt::Vertical, current, current);
}

void DBGridModel::activeChanged()
{
    beginResetModel();
    Table* open = table();
    rows_ = open ? open->recordCount() : 0;
    indicatorRow_ = open ? open->recordIndex() : -1;
    readFields();
    endResetModel();
    emit cursorMoved();
}

void DBGridModel::dataSetChanged()
{
    syncRows();
    if (rows_ > 0 && !columns_.isEmpty())
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_.size() - 1));
    updateIndicator();
    emit cursorMoved();
}

void DBGridModel::dataSetScrolled()
{
    updateIndicator();
    emit cursorMoved();
}

void DBGridModel::recordChanged()
{
    Table* open = table();
    const int row = open ? open->recordIndex() : -1;
    if (row >= 0 && row < rows_ && !columns_.isEmpty())
        emit dataChanged(index(row, 0), index(row, columns_.size() - 1));
    updateIndicator();
}

void DBGridModel::editingChanged()
{
    updateIndicator();
}
