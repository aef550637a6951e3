#pragma once

#include "skin/controls/skinned.h"

#include <QToolButton>

// A tool button, as toolbars and the table navigator use.
class TsSpeedButton : public Skinned<TsSpeedButton, QToolButton, ControlKind::SpeedButton> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
