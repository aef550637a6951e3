#pragma once

#include "skin/controls/skinned.h"

#include <QRadioButton>

// A radio button.
class TsRadioButton : public Skinned<TsRadioButton, QRadioButton, ControlKind::RadioButton, CacheBitmap::NotKept> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
