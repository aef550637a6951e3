#pragma once

#include "skin/controls/tscustomtabcontrol.h"

// A set of pages with a tab each. Its pages take their background from its cache, at their place
// in it.
class TsPageControl : public TsCustomTabControl {
    Q_OBJECT

public:
    explicit TsPageControl(QWidget* parent = nullptr);
};
