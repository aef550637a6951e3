#include "skin/controls/tspagecontrol.h"

TsPageControl::TsPageControl(QWidget* parent) : TsCustomTabControl(parent)
{
    SkinData.setControlKind(ControlKind::PageControl);
    SkinData.setSkinSection(QStringLiteral("PAGECONTROL"));
}
