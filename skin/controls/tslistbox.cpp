#include "skin/controls/tslistbox.h"

TsListBox::TsListBox(QWidget* parent) : QListWidget(parent), SkinData(this, true)
{
    SkinData.controlKind = 97;
    SkinData.updateSection();
}

TsListBox::~TsListBox()
{
    SkinData.setOwnerDestroying();
}

bool TsListBox::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QListWidget::event(event);
}
