#include "skin/controls/tsgrip.h"

#include "skin/controls/buttonsmetrics.h"

TsGrip::TsGrip(QWidget* parent) : TsPanel(parent)
{
    resize(metrics::buttons::gripSize, metrics::buttons::gripSize);
    setCaption(QStringLiteral(" "));
    SkinData.setSkinSection(QStringLiteral("CHECKBOX"));
}
