#include "skin/controls/tsscrollbar.h"

TsScrollBar::TsScrollBar(QWidget* parent) : QScrollBar(parent), SkinData(this, true)
{
    SkinData.controlKind = 142;
    SkinData.updateSection();
}

TsScrollBar::~TsScrollBar()
{
    SkinData.setOwnerDestroying();
}

bool TsScrollBar::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QScrollBar::event(event);
}
