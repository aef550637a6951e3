#pragma once

#include "skin/controls/skinned.h"

#include <QTabWidget>

// A set of pages with a tab each.
class TsPageControl : public Skinned<TsPageControl, QTabWidget, ControlKind::PageControl> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
