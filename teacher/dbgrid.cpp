#include "teacher/dbgrid.h"

#include "data/datasource.h"
#include "data/table.h"
#include "platform/guarded.h"
#include "teacher/dbgriddelegate.h"
#include "teacher/deleteconfirmation.h"
#include "teacher/gridmetrics.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
bool isSpace(const QEvent* event)
{
    return event && event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space;
}
} // namespace

DBGrid::DBGrid(QWidget* parent) : QTableView(parent), model_(new DBGridModel(this)), delegate_(new DBGridDelegate(this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::DoubleClicked);
    setShowGrid(true);
    setWordWrap(false);
    // Tab and Shift+Tab lead on to the navigator and the page's commands, as from every other
    // control: the arrows already move between the cells.
    setTabKeyNavigation(false);

    const int rowHeight = fontMetrics().height() + metrics::grid::rowPadding;
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setFixedWidth(fontMetrics().height() + metrics::grid::indicatorPadding);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);

    connectGuarded(model_, &DBGridModel::cursorMoved, this, &DBGrid::followCursor);
    model_->setEditorWriter([this] { writeOpenEditor(); });
    connectGuarded(model_, &QAbstractItemModel::modelReset, this, &DBGrid::applyDefaultWidths);
    // Rows leave the grid only after the table has moved its cursor; the view's own choice of a
    // new current row must not move it again.
    connectGuarded(model_, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { following_ = true; });
    connectGuarded(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        following_ = false;
        followCursor();
    });
    // A new row the user left without typing anything is dropped when the grid loses the focus.
    connectGuarded(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old && now && owns(old) && !owns(now))
            dropUnchangedInsert();
    });
}

bool DBGrid::owns(const QWidget* widget) const
{
    return widget == this || isAncestorOf(widget);
}

void DBGrid::setDataSource(DataSource* source)
{
    model_->bindTo(source);
}

void DBGrid::setColumns(const QList<DBGridColumn>& columns)
{
    model_->setColumns(columns);
    for (int column = 0; column < columns.size(); ++column)
        if (columns[column].width > 0)
            setColumnWidth(column, columns[column].width);
    applyDefaultWidths();
}

void DBGrid::applyDefaultWidths()
{
    // A column without a width of its own is as wide as a typical value of its field, and never
    // narrower than its title.
    using namespace metrics::grid;
    Table* open = table();
    const QList<DBGridColumn>& columns = model_->columns();
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < columns.size(); ++column) {
        if (columns[column].width > 0)
            continue;
        int characters = textCharacters;
        const int field = model_->fieldOf(column);
        if (open && field >= 0) {
            const FieldDef& def = open->fields()[field];
            switch (def.kind) {
            case FieldDef::Kind::Integer: characters = integerCharacters; break;
            case FieldDef::Kind::Date: characters = dateCharacters; break;
            case FieldDef::Kind::Text:
                characters = def.size > 0 ? std::min(def.size, textCharacters) : textCharacters;
                break;
            case FieldDef::Kind::Memo: characters = textCharacters; break;
            }
        }
        const int title = horizontalHeader()->fontMetrics().horizontalAdvance(columns[column].title);
        setColumnWidth(column, std::max(characters * digit, title) + cellPadding);
    }
    followCursor();
}

void DBGrid::followCursor()
{
    Table* open = table();
    const int row = open ? open->recordIndex() : -1;
    if (row < 0 || row >= model_->rowCount() || model_->columnCount() == 0)
        return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    int column = current.isValid() ? current.column() : 0;
    // A grid without a current cell starts in its first column that can be typed into.
    for (; !current.isValid() && column < model_->columnCount(); ++column)
        if (model_->flags(model_->index(row, column)) & Qt::ItemIsEditable)
            break;
    if (column >= model_->columnCount())
        column = 0;
    following_ = true;
    setCurrentIndex(model_->index(row, column));
    following_ = false;
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The base writes an open editor into the record first, while the cursor is still on it.
    QTableView::currentChanged(current, previous);
    Table* open = table();
    if (following_ || !open || !current.isValid() || current.row() == open->recordIndex())
        return;
    guarded([&] { moveCursorTo(current.row()); });
    followCursor();
}

void DBGrid::moveCursorTo(int row)
{
    Table* open = table();
    const int from = open->recordIndex();
    if (open->state() == Table::State::Insert) {
        // The new row leaves its place either way: stored it goes to the end, unchanged it is
        // dropped; the rows behind it move up by one.
        if (open->isModified())
            open->post();
        else
            open->cancel();
        if (row > from)
            --row;
    } else if (open->state() == Table::State::Edit) {
        if (open->isModified())
            open->post();
        else
            open->cancel();
    }
    open->moveBy(row - open->recordIndex());
}

void DBGrid::writeOpenEditor()
{
    // Straight into the record, so that a value the field refuses stops the post that asked.
    QLineEdit* editor = delegate_->activeEditor();
    if (editor && state() == EditingState)
        model_->writeCell(currentIndex(), editor->text());
}

bool DBGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Space marks the current cell, as in every list, rather than opening it with a blank that no
    // date, number or name starts with.
    if (trigger == AnyKeyPressed && isSpace(event))
        return false;
    const bool opens = trigger == AllEditTriggers || (editTriggers() & trigger);
    Table* open = table();
    if (opens && open && index.isValid() && (model_->flags(index) & Qt::ItemIsEditable) && state() != EditingState
        && index.row() == open->recordIndex()) {
        bool editing = false;
        guarded([&] {
            open->edit();
            editing = true;
        });
        if (!editing)
            return false;
    }
    return QTableView::edit(index, trigger, event);
}

void DBGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Escape in an editor whose text was changed undoes only that cell; in an unchanged one it
    // also abandons the row's pending edit or insert.
    const auto* line = qobject_cast<QLineEdit*>(editor);
    const bool cancelsRow = hint == QAbstractItemDelegate::RevertModelCache && line && !line->isModified();
    // Tab in an open cell leaves the grid, as it does from a closed one, instead of opening the
    // next cell and so on for ever; the cell's text is already written.
    const bool leaves = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, leaves ? QAbstractItemDelegate::NoHint : hint);
    if (cancelsRow)
        if (Table* open = table())
            guarded([open] { open->cancel(); });
    if (leaves)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void DBGrid::keyPressEvent(QKeyEvent* event)
{
    Table* open = table();
    if (!open) {
        QTableView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_Insert && modifiers == Qt::NoModifier) {
        guarded([open] { open->insert(); });
        return;
    }
    if (key == Qt::Key_Delete && modifiers == Qt::ControlModifier) {
        guarded([this] { deleteWithConfirmation(); });
        return;
    }
    if ((key == Qt::Key_Home || key == Qt::Key_End) && modifiers == Qt::ControlModifier) {
        guarded([open, key] { key == Qt::Key_Home ? open->first() : open->last(); });
        return;
    }
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        guarded([open] { open->cancel(); });
        return;
    }
    if (key == Qt::Key_Down && modifiers == Qt::NoModifier) {
        const int row = open->recordIndex();
        if (row == open->recordCount() - 1) {
            // Moving down past the last row appends a new one, but not a second new row after
            // one that is still empty.
            if (row < 0 || open->state() != Table::State::Insert || open->isModified())
                guarded([open] { open->append(); });
            return;
        }
    }
    // Typing into an empty grid starts its first record.
    if (open->recordCount() == 0 && !isSpace(event) && !event->text().isEmpty() && event->text().at(0).isPrint()
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && open->canModify()) {
        bool appended = false;
        guarded([&] {
            open->append();
            appended = true;
        });
        if (!appended)
            return;
    }
    QTableView::keyPressEvent(event);
}

void DBGrid::deleteWithConfirmation()
{
    Table* open = table();
    if (!open || open->recordCount() == 0 || !open->canModify())
        return;
    if (confirmRecordDelete())
        open->deleteRecord();
}

void DBGrid::dropUnchangedInsert()
{
    Table* open = table();
    if (open && open->state() == Table::State::Insert && !open->isModified())
        open->cancel();
}
