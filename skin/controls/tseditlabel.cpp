#include "skin/controls/tseditlabel.h"

TsEditLabel::TsEditLabel(QWidget* focusControl) : TsLabel(focusControl->parentWidget())
{
    setObjectName(focusControl->objectName() + QStringLiteral("Label"));
    setBuddy(focusControl);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}
