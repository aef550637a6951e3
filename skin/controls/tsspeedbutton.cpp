#include "skin/controls/tsspeedbutton.h"

TsSpeedButton::TsSpeedButton(QWidget* parent) : QToolButton(parent), SkinData(this, true)
{
    SkinData.controlKind = 92;
    SkinData.updateSection();
}

TsSpeedButton::~TsSpeedButton()
{
    SkinData.setOwnerDestroying();
}

bool TsSpeedButton::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QToolButton::event(event);
}
