#include "skin/controls/tsbutton.h"

TsButton::TsButton(QWidget* parent) : QPushButton(parent), SkinData(this, true)
{
    SkinData.controlKind = 93;
    SkinData.updateSection();
}

TsButton::~TsButton()
{
    SkinData.setOwnerDestroying();
}

bool TsButton::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QPushButton::event(event);
}
