#pragma once

#include "skin/controls/skinned.h"

#include <QPushButton>

// A push button.
class TsButton : public Skinned<TsButton, QPushButton, ControlKind::Button> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
