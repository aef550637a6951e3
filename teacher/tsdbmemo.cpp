#include "teacher/tsdbmemo.h"

#include "platform/guarded.h"

#include <QKeyEvent>
#include <QShowEvent>

TsDBMemo::TsDBMemo(QWidget* parent)
    : TsMemo(parent),
      link_(
          this, [this] { showField(); }, [this] { return toPlainText(); })
{
    // A field's text has no use for tab characters; Tab and Shift+Tab go on to the next control.
    setTabChangesFocus(true);
    connectGuarded(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            link_.setModified(true);
    });
}

void TsDBMemo::showField()
{
    showing_ = true;
    // Line ends show as the editor keeps them, so that an untouched text never counts as changed.
    const QString value = link_.fieldText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Leave the text (and the caret) alone when the field still says the same.
    if (toPlainText() != value)
        setPlainText(value);
    link_.setModified(false);
    setReadOnly(link_.table() == nullptr);
    showing_ = false;
}

void TsDBMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        showField();
        return;
    }
    if (FieldDataLink::changesText(event, true) && !link_.edit())
        return;
    TsMemo::keyPressEvent(event);
}

void TsDBMemo::focusOutEvent(QFocusEvent* event)
{
    TsMemo::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        guarded([this] { link_.updateRecord(); });
}

void TsDBMemo::showEvent(QShowEvent* event)
{
    TsMemo::showEvent(event);
    link_.showWhenShown();
}
