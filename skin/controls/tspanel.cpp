#include "skin/controls/tspanel.h"

TsPanel::TsPanel(QWidget* parent) : QFrame(parent), SkinData(this, true)
{
    SkinData.controlKind = 51;
    SkinData.updateSection();
}

TsPanel::~TsPanel()
{
    SkinData.setOwnerDestroying();
}

bool TsPanel::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QFrame::event(event);
}
