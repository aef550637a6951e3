#include "skin/controls/tsgroupbox.h"

TsGroupBox::TsGroupBox(QWidget* parent) : QGroupBox(parent), SkinData(this, true)
{
    SkinData.controlKind = 74;
    SkinData.updateSection();
}

TsGroupBox::~TsGroupBox()
{
    SkinData.setOwnerDestroying();
}

bool TsGroupBox::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QGroupBox::event(event);
}
