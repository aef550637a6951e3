#include "skin/controls/tsgroupbutton.h"

#include "skin/core/skinmessage.h"

TsGroupButton::TsGroupButton(QWidget* group) : TsRadioButton(group)
{
    // The group gives the size.
    setAutoSize(false);
    setVisible(false);
    followSkin();
}

void TsGroupButton::followSkin()
{
    setAttribute(Qt::WA_OpaquePaintEvent, skinActive());
}

bool TsGroupButton::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    const bool answered = TsRadioButton::event(event);
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        followSkin();
    return answered;
}
