#pragma once

#include "skin/controls/tslabel.h"

// The caption a text, list or tree control can carry beside or above it: a label whose mnemonic
// focuses the control, right-aligned so that it ends at the control.
class TsEditLabel : public TsLabel {
    Q_OBJECT

public:
    explicit TsEditLabel(QWidget* focusControl);
};
