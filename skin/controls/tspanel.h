#pragma once

#include "skin/controls/skinned.h"

#include <QFrame>

// A panel that holds other controls.
class TsPanel : public Skinned<TsPanel, QFrame, ControlKind::Panel> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
