#include "skin/controls/tspagecontrol.h"

TsPageControl::TsPageControl(QWidget* parent) : TsCustomTabControl(parent)
{
    SkinData.controlKind = ControlKind::PageControl;
    SkinData.setSkinSection(QStringLiteral("PAGECONTROL"));
}
