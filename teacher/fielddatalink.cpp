#include "teacher/fielddatalink.h"

#include "data/datasource.h"
#include "data/table.h"
#include "platform/guarded.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

FieldDataLink::FieldDataLink(QWidget* control, std::function<void()> show, std::function<QString()> text)
    : control_(control),
      show_(std::move(show)),
      text_(std::move(text)),
      link_({.activeChanged = [this] { refresh(); },
             .dataSetChanged = [this] { refresh(); },
             .dataSetScrolled = [this](int) { refresh(); },
             .recordChanged = [this](const QString& field) { recordChanged(field); },
             .updateData = [this] { updateRecord(); }})
{}

void FieldDataLink::refresh()
{
    if (!control_->isVisible()) {
        // Whatever was typed has been written by now; what the control holds is simply old.
        modified_ = false;
        stale_ = true;
        return;
    }
    stale_ = false;
    show_();
}

void FieldDataLink::showWhenShown()
{
    if (stale_) {
        stale_ = false;
        show_();
    }
}

void FieldDataLink::setDataField(const QString& field)
{
    field_ = field;
    refresh();
}

void FieldDataLink::bindTo(DataSource* source)
{
    link_.setDataSource(source);
    refresh();
}

Table* FieldDataLink::table() const
{
    DataSource* source = link_.dataSource();
    if (!source || !source->table() || !source->table()->isOpen())
        return nullptr;
    return source->table();
}

QString FieldDataLink::fieldText() const
{
    Table* open = table();
    if (!open || open->fieldIndex(field_) < 0)
        return {};
    return open->fieldAsText(field_);
}

int FieldDataLink::fieldSize() const
{
    Table* open = table();
    const int index = open ? open->fieldIndex(field_) : -1;
    if (index < 0 || open->fields()[index].kind != FieldDef::Kind::Text)
        return 0;
    return open->fields()[index].size;
}

void FieldDataLink::recordChanged(const QString& field)
{
    if (field.isEmpty() || field.compare(field_, Qt::CaseInsensitive) == 0)
        refresh();
}

bool FieldDataLink::edit()
{
    Table* open = table();
    if (!open || open->fieldIndex(field_) < 0)
        return false;
    bool editing = false;
    guarded([&] {
        open->edit();
        editing = true;
    });
    return editing;
}

void FieldDataLink::updateRecord()
{
    Table* open = table();
    if (!modified_ || !open)
        return;
    if (open->state() == Table::State::Browse)
        open->edit();
    const QString text = text_();
    modified_ = false;
    open->setFieldValue(field_, text);
}

bool FieldDataLink::changesText(const QKeyEvent* event, bool multiLine)
{
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste))
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab: return multiLine && modifiers == Qt::NoModifier;
    default: break;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}
