#pragma once

#include "skin/controls/skinned.h"

#include <QScrollBar>

// A scroll bar.
class TsScrollBar : public Skinned<TsScrollBar, QScrollBar, ControlKind::ScrollBar> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
