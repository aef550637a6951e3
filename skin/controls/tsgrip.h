#pragma once

#include "skin/controls/tspanel.h"

// The size grip in a window's corner: a small panel in the skin's check box look.
class TsGrip : public TsPanel {
    Q_OBJECT

public:
    explicit TsGrip(QWidget* parent = nullptr);
};
