#pragma once

#include "skin/controls/skinned.h"

#include <QListWidget>

// A list of items.
class TsListBox : public Skinned<TsListBox, QListWidget, ControlKind::ListBox> {
    Q_OBJECT

public:
    using Skinned::Skinned;
};
