#pragma once

#include "skin/controls/skinned.h"

#include <QGroupBox>

// A framed box with a caption that groups controls.
class TsGroupBox : public Skinned<TsGroupBox, QGroupBox, ControlKind::GroupBox> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
