#include "skin/controls/tstabsheet.h"

TsTabSheet::TsTabSheet(QWidget* parent) : QWidget(parent), SkinData(this, false)
{
    SkinData.controlKind = 57;
    SkinData.updateSection();
}

TsTabSheet::~TsTabSheet()
{
    SkinData.setOwnerDestroying();
}

bool TsTabSheet::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QWidget::event(event);
}
