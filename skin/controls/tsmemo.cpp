#include "skin/controls/tsmemo.h"

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent), SkinData(this, true)
{
    SkinData.controlKind = 7;
    SkinData.updateSection();
}

TsMemo::~TsMemo()
{
    SkinData.setOwnerDestroying();
}

bool TsMemo::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QPlainTextEdit::event(event);
}
