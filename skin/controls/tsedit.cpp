#include "skin/controls/tsedit.h"

TsEdit::TsEdit(QWidget* parent) : QLineEdit(parent), SkinData(this, true)
{
    SkinData.controlKind = 3;
    SkinData.updateSection();
}

TsEdit::~TsEdit()
{
    SkinData.setOwnerDestroying();
}

bool TsEdit::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QLineEdit::event(event);
}
