#include "skin/controls/tsbitbtn.h"

TsBitBtn::TsBitBtn(QWidget* parent) : QPushButton(parent), SkinData(this, true)
{
    SkinData.controlKind = 94;
    SkinData.updateSection();
}

TsBitBtn::~TsBitBtn()
{
    SkinData.setOwnerDestroying();
}

bool TsBitBtn::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QPushButton::event(event);
}
