#pragma once

#include "skin/controls/skinned.h"

#include <QTreeWidget>

// A tree of items.
class TsTreeView : public Skinned<TsTreeView, QTreeWidget, ControlKind::TreeView> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
