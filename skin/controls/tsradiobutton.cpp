#include "skin/controls/tsradiobutton.h"

TsRadioButton::TsRadioButton(QWidget* parent) : QRadioButton(parent), SkinData(this, false)
{
    SkinData.controlKind = 33;
    SkinData.updateSection();
}

TsRadioButton::~TsRadioButton()
{
    SkinData.setOwnerDestroying();
}

bool TsRadioButton::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QRadioButton::event(event);
}
