#include "teacher/tsdbedit.h"

#include "platform/guarded.h"

#include <QKeyEvent>
#include <QShowEvent>

TsDBEdit::TsDBEdit(QWidget* parent)
    : TsEdit(parent),
      link_(
          this, [this] { showField(); }, [this] { return text(); })
{
    connectGuarded(this, &QLineEdit::textChanged, this, [this] {
        if (!showing_)
            link_.setModified(true);
    });
}

void TsDBEdit::showField()
{
    showing_ = true;
    const int size = link_.fieldSize();
    setMaxLength(size > 0 ? size : 32767);
    const QString value = link_.fieldText();
    // Leave the text (and the caret) alone when the field still says the same.
    if (text() != value)
        setText(value);
    link_.setModified(false);
    setReadOnly(link_.table() == nullptr);
    showing_ = false;
}

void TsDBEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        showField();
        selectAll();
        return;
    }
    if (FieldDataLink::changesText(event, false) && !link_.edit())
        return;
    TsEdit::keyPressEvent(event);
}

void TsDBEdit::focusOutEvent(QFocusEvent* event)
{
    TsEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        guarded([this] { link_.updateRecord(); });
}

void TsDBEdit::showEvent(QShowEvent* event)
{
    TsEdit::showEvent(event);
    link_.showWhenShown();
}
