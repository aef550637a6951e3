#include "skin/controls/tspagecontrol.h"

TsPageControl::TsPageControl(QWidget* parent) : QTabWidget(parent), SkinData(this, true)
{
    SkinData.controlKind = 141;
    SkinData.updateSection();
}

TsPageControl::~TsPageControl()
{
    SkinData.setOwnerDestroying();
}

bool TsPageControl::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QTabWidget::event(event);
}
