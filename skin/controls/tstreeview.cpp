#include "skin/controls/tstreeview.h"

TsTreeView::TsTreeView(QWidget* parent) : QTreeWidget(parent), SkinData(this, true)
{
    SkinData.controlKind = 96;
    SkinData.updateSection();
}

TsTreeView::~TsTreeView()
{
    SkinData.setOwnerDestroying();
}

bool TsTreeView::event(QEvent* event)
{
    if (SkinData.handleMessage(event))
        return true;
    return QTreeWidget::event(event);
}
