#pragma once

#include "skin/controls/skinned.h"

#include <QPushButton>

// A push button that carries a glyph.
class TsBitBtn : public Skinned<TsBitBtn, QPushButton, ControlKind::BitButton> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
